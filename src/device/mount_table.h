#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pictavo {

// One mount as /proc/self/mountinfo lists it, the fields the drive scan reads, with
// the kernel's octal escapes ("\040" for a blank) undone.
struct MountEntry {
  unsigned major_number = 0;
  unsigned minor_number = 0;
  std::string root;  // the folder of the file system mounted here; "/" for all of it
  std::filesystem::path mount_point;
  std::string type;
  std::string source;
};

// The mounts of mountinfo text, in its order. Each line is
// "ID PARENT MAJOR:MINOR ROOT MOUNT_POINT OPTIONS [OPTIONAL...] - TYPE SOURCE SUPER_OPTIONS";
// a line that does not hold all of that up to the source is left out.
std::vector<MountEntry> parse_mount_table(std::string_view text);

}  // namespace pictavo
