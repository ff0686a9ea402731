#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace pictavo {

// A removable drive as the transfer lists it: where it is mounted and its name.
struct RemovableDrive {
  std::filesystem::path root;
  std::string volume_name;  // may be empty

  // "ROOT (NAME)", or the root alone when the drive has no name.
  std::string label() const;
};

// The removable drives, in mount order. `PICTAVO_DRIVE_ROOTS` (folders separated by
// colons, possibly none) replaces the scan of the mounted file systems, for tests
// and for systems whose drives the scan cannot tell apart; such a folder's name is
// its volume name. A root that is not a readable folder is left out.
std::vector<RemovableDrive> list_removable_drives();

}  // namespace pictavo
