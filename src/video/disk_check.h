#pragma once

#include <filesystem>
#include <optional>

#include "model/prompt.h"
#include "video/drive_space.h"

namespace pictavo {

// What the check asks of the start control ("Create Video Files").
enum class StartControl { kEnable, kDisable, kUnchanged };

// Whether the videos of a project fit where they are made.
struct DiskCheck {
  bool pass = false;
  StartControl start = StartControl::kUnchanged;
  std::optional<PromptMessage> message;  // a failure, or a warning that still passes
  // The drive the message is about, its free space and what it needs, in megabytes.
  std::filesystem::path drive;
  int free_megabytes = 0;
  float needed_megabytes = 0;
};

// Checks the free space of the output folder's drive, and of the temporary folder's
// (where the music is prepared), against the project's estimated size in megabytes.
// On separate drives the output drive must hold the estimate (else the check fails)
// and a temporary drive that does not is only warned about; one drive holding both
// must have twice the estimate. Free space is counted in whole megabytes; a drive
// the query cannot tell about counts as full.
DiskCheck check_disk_space(const std::filesystem::path& output_folder,
                           const std::filesystem::path& temp_folder, float estimated_mb,
                           const DriveSpaceQuery& query);

}  // namespace pictavo
