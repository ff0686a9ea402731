#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pictavo {

// A removable drive as the transfer lists it: where it is mounted and its name.
struct RemovableDrive {
  std::filesystem::path root;
  std::string volume_name;  // may be empty

  // "ROOT (NAME)", or the root alone when the drive has no name.
  std::string label() const;
};

// Where a scan reads what the kernel and udev publish about drives.
struct DriveScanSources {
  std::filesystem::path sysfs = "/sys";
  std::filesystem::path labels = "/dev/disk/by-label";
};

// The removable drives among the mounts of mountinfo text (parse_mount_table), in
// its order: each device once, where its whole file system is mounted, not where a
// folder of it is bound again. A device is removable when sysfs flags it or its disk
// so; its volume name is the label udev published for it, else the mount point's
// name. A mount point that is not a readable folder is left out.
std::vector<RemovableDrive> removable_drives_in(std::string_view mountinfo,
                                                const DriveScanSources& sources = {});

// The removable drives, in mount order. `PICTAVO_DRIVE_ROOTS` (folders separated by
// colons, possibly none) replaces the scan of the mounted file systems, for tests
// and for systems whose drives the scan cannot tell apart; such a folder's name is
// its volume name. A root that is not a readable folder is left out.
std::vector<RemovableDrive> list_removable_drives();

}  // namespace pictavo
