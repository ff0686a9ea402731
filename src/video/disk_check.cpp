#include "video/disk_check.h"

#include <utility>

#include "video/make_video_messages.h"

namespace pictavo {
namespace {

struct Drive {
  std::optional<DriveSpace> space;
  std::filesystem::path name;  // the mount point, or the folder itself when unknown
  int free_megabytes = 0;
};

Drive drive_of(const std::filesystem::path& folder, const DriveSpaceQuery& query) {
  Drive drive{query(folder), folder, 0};
  if (drive.space) {
    drive.name = drive.space->drive;
    drive.free_megabytes = drive.space->free_megabytes();
  }
  return drive;
}

DiskCheck lacking(const Drive& drive, float needed, PromptMessage message, bool pass) {
  return DiskCheck{.pass = pass,
                   .start = pass ? StartControl::kUnchanged : StartControl::kDisable,
                   .message = std::move(message),
                   .drive = drive.name,
                   .free_megabytes = drive.free_megabytes,
                   .needed_megabytes = needed};
}

}  // namespace

DiskCheck check_disk_space(const std::filesystem::path& output_folder,
                           const std::filesystem::path& temp_folder, float estimated_mb,
                           const DriveSpaceQuery& query) {
  const Drive output = drive_of(output_folder, query);
  const Drive temp = drive_of(temp_folder, query);
  const bool same_drive = output.space && temp.space && output.space->device == temp.space->device;
  if (same_drive) {
    const float needed = 2 * estimated_mb;
    if (static_cast<float>(output.free_megabytes) < needed)
      return lacking(output, needed, shared_drive_full_message(temp.name, needed), false);
  } else {
    if (static_cast<float>(output.free_megabytes) < estimated_mb)
      return lacking(output, estimated_mb, output_drive_full_message(estimated_mb), false);
    if (static_cast<float>(temp.free_megabytes) < estimated_mb)
      return lacking(temp, estimated_mb, temp_drive_full_message(temp.name, estimated_mb), true);
  }
  DiskCheck enough;
  enough.pass = true;
  enough.start = StartControl::kEnable;
  return enough;
}

}  // namespace pictavo
