#include "device/removable_drives.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <system_error>

namespace pictavo {
namespace {

namespace fs = std::filesystem;

bool readable_folder(const fs::path& root) {
  std::error_code error;
  return fs::is_directory(root, error) && ::access(root.c_str(), R_OK | X_OK) == 0;
}

// mountinfo writes blanks, tabs, newlines and backslashes in paths as octal escapes.
std::string unescape_mount_path(const std::string& text) {
  std::string path;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::string digits = text.substr(i + 1, 3);
    if (text[i] == '\\' && digits.size() == 3 &&
        digits.find_first_not_of("01234567") == std::string::npos) {
      path += static_cast<char>(std::stoi(digits, nullptr, 8));
      i += 3;
    } else {
      path += text[i];
    }
  }
  return path;
}

bool sysfs_flag(const fs::path& file) {
  std::ifstream in(file);
  int value = 0;
  return (in >> value) && value == 1;
}

// A partition is removable when its disk is: the flag sits on the disk, the
// partition's parent in sysfs.
bool is_removable_block_device(unsigned major_number, unsigned minor_number) {
  std::error_code error;
  const fs::path device = fs::canonical(
      "/sys/dev/block/" + std::to_string(major_number) + ":" + std::to_string(minor_number), error);
  if (error) return false;
  return sysfs_flag(device / "removable") || sysfs_flag(device.parent_path() / "removable");
}

// udev writes blanks and other unsafe bytes of a label as "\xNN".
std::string unescape_udev_name(const std::string& text) {
  std::string name;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::string digits = i + 4 <= text.size() ? text.substr(i + 2, 2) : "";
    if (text.compare(i, 2, "\\x") == 0 && digits.size() == 2 &&
        digits.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos) {
      name += static_cast<char>(std::stoi(digits, nullptr, 16));
      i += 3;
    } else {
      name += text[i];
    }
  }
  return name;
}

// The file system label udev published for `source`, else the mount point's name,
// which desktops make from the label.
std::string volume_name_of(const std::string& source, const fs::path& mount_point) {
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator("/dev/disk/by-label", error)) {
    std::error_code ignored;
    if (fs::equivalent(entry.path(), source, ignored)) {
      return unescape_udev_name(entry.path().filename().string());
    }
  }
  return mount_point.filename().string();
}

std::vector<RemovableDrive> scan_mounted_drives() {
  std::vector<RemovableDrive> drives;
  std::set<std::string> devices;
  std::ifstream mountinfo("/proc/self/mountinfo");
  std::string line;
  while (std::getline(mountinfo, line)) {
    // ID PARENT MAJOR:MINOR ROOT MOUNT_POINT OPTIONS [OPTIONAL...] - TYPE SOURCE SUPER
    std::istringstream fields(line);
    std::string id, parent, numbers, root, mount_point, options, field;
    fields >> id >> parent >> numbers >> root >> mount_point >> options;
    while (fields >> field && field != "-") {
    }
    std::string type, source;
    fields >> type >> source;
    unsigned major_number = 0, minor_number = 0;
    // A drive is listed once, where its whole file system is mounted, not where a
    // folder of it is bound again.
    if (root != "/" || devices.contains(numbers) ||
        std::sscanf(numbers.c_str(), "%u:%u", &major_number, &minor_number) != 2 ||
        !is_removable_block_device(major_number, minor_number)) {
      continue;
    }
    const fs::path path = unescape_mount_path(mount_point);
    if (!readable_folder(path)) continue;
    devices.insert(numbers);
    drives.push_back({path, volume_name_of(unescape_mount_path(source), path)});
  }
  return drives;
}

}  // namespace

std::string RemovableDrive::label() const {
  return volume_name.empty() ? root.string() : root.string() + " (" + volume_name + ")";
}

std::vector<RemovableDrive> list_removable_drives() {
  const char* roots = std::getenv("PICTAVO_DRIVE_ROOTS");
  if (roots == nullptr) return scan_mounted_drives();
  std::vector<RemovableDrive> drives;
  std::istringstream list(roots);
  std::string root;
  while (std::getline(list, root, ':')) {
    if (root.empty() || !readable_folder(root)) continue;
    const fs::path path = fs::path(root).lexically_normal();
    const fs::path named = path.has_filename() ? path : path.parent_path();
    drives.push_back({path, named.filename().string()});
  }
  return drives;
}

}  // namespace pictavo
