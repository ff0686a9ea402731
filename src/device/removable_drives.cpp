#include "device/removable_drives.h"

#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <system_error>
#include <utility>

#include "device/mount_table.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

bool readable_folder(const fs::path& root) {
  std::error_code error;
  return fs::is_directory(root, error) && ::access(root.c_str(), R_OK | X_OK) == 0;
}

bool sysfs_flag(const fs::path& file) {
  std::ifstream in(file);
  int value = 0;
  return (in >> value) && value == 1;
}

// A partition is removable when its disk is: the flag sits on the disk, the
// partition's parent in sysfs.
bool is_removable_block_device(const fs::path& sysfs, const MountEntry& mount) {
  std::error_code error;
  const fs::path device = fs::canonical(
      sysfs / "dev/block" /
          (std::to_string(mount.major_number) + ":" + std::to_string(mount.minor_number)),
      error);
  if (error) return false;
  return sysfs_flag(device / "removable") || sysfs_flag(device.parent_path() / "removable");
}

// udev writes blanks and other unsafe bytes of a label as "\xNN".
std::string unescape_udev_name(std::string_view text) {
  std::string name;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::string_view digits =
        text.substr(i, 4).starts_with("\\x") ? text.substr(i + 2, 2) : "";
    unsigned value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (digits.size() == 2 && error == std::errc() && end == digits.data() + 2) {
      name += static_cast<char>(value);
      i += 3;
    } else {
      name += text[i];
    }
  }
  return name;
}

// The file system label udev published for `source`, else the mount point's name,
// which desktops make from the label.
std::string volume_name_of(const fs::path& labels, const std::string& source,
                           const fs::path& mount_point) {
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(labels, error)) {
    std::error_code ignored;
    if (fs::equivalent(entry.path(), source, ignored)) {
      return unescape_udev_name(entry.path().filename().string());
    }
  }
  return mount_point.filename().string();
}

std::vector<RemovableDrive> scan_mounted_drives() {
  std::ifstream mountinfo("/proc/self/mountinfo");
  const std::string text{std::istreambuf_iterator<char>(mountinfo),
                         std::istreambuf_iterator<char>()};
  return removable_drives_in(text);
}

}  // namespace

std::vector<RemovableDrive> removable_drives_in(std::string_view mountinfo,
                                                const DriveScanSources& sources) {
  std::vector<RemovableDrive> drives;
  std::set<std::pair<unsigned, unsigned>> devices;
  for (const MountEntry& mount : parse_mount_table(mountinfo)) {
    const std::pair device(mount.major_number, mount.minor_number);
    if (mount.root != "/" || devices.contains(device) ||
        !is_removable_block_device(sources.sysfs, mount) || !readable_folder(mount.mount_point)) {
      continue;
    }
    devices.insert(device);
    drives.push_back(
        {mount.mount_point, volume_name_of(sources.labels, mount.source, mount.mount_point)});
  }
  return drives;
}

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
