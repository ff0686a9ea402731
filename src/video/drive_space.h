#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

namespace pictavo {

// The file system that holds a folder: what the program calls the folder's drive.
struct DriveSpace {
  std::uint64_t device = 0;      // the file system's id; equal ids are one drive
  std::filesystem::path drive;   // its mount point, which messages name
  std::uint64_t free_bytes = 0;  // free for the user's files
  std::uint64_t total_bytes = 0;

  // The free space in whole megabytes (2^20 bytes).
  int free_megabytes() const;
};

// The drive of `folder` from statvfs: of the folder, or of its nearest existing
// parent while the folder is still to be made. Nothing when no part of the path
// exists or the file system does not answer.
std::optional<DriveSpace> query_drive_space(const std::filesystem::path& folder);

// How the disk check learns about drives: query_drive_space in the program, made-up
// drives in tests.
using DriveSpaceQuery = std::function<std::optional<DriveSpace>(const std::filesystem::path&)>;

}  // namespace pictavo
