#include "video/drive_space.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <limits>
#include <system_error>

namespace pictavo {
namespace {

std::optional<dev_t> device_of(const std::filesystem::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::nullopt;
  return status.st_dev;
}

// The nearest part of `folder` that exists: the folder itself, or a parent.
std::optional<std::filesystem::path> existing_part(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::path path = std::filesystem::absolute(folder, error).lexically_normal();
  if (error) return std::nullopt;
  while (!device_of(path)) {
    if (!path.has_relative_path()) return std::nullopt;
    path = path.parent_path();
  }
  return path;
}

// The highest folder above `path` on the same file system: its mount point.
std::filesystem::path mount_point(std::filesystem::path path, dev_t device) {
  while (path.has_relative_path()) {
    const std::filesystem::path parent = path.parent_path();
    if (device_of(parent) != device) break;
    path = parent;
  }
  return path;
}

}  // namespace

int DriveSpace::free_megabytes() const {
  return static_cast<int>(
      std::min<std::uint64_t>(free_bytes >> 20, std::numeric_limits<int>::max()));
}

std::optional<DriveSpace> query_drive_space(const std::filesystem::path& folder) {
  const std::optional<std::filesystem::path> existing = existing_part(folder);
  if (!existing) return std::nullopt;
  const std::optional<dev_t> device = device_of(*existing);
  struct statvfs space {};
  if (!device || ::statvfs(existing->c_str(), &space) != 0) return std::nullopt;
  return DriveSpace{.device = *device,
                    .drive = mount_point(*existing, *device),
                    .free_bytes = std::uint64_t{space.f_bavail} * space.f_frsize,
                    .total_bytes = std::uint64_t{space.f_blocks} * space.f_frsize};
}

}  // namespace pictavo
