#include "video/make_video_messages.h"

#include <cstdio>
#include <utility>

namespace pictavo {
namespace {

// Megabytes as the messages show them: rounded to a whole number.
std::string megabytes(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.0f", static_cast<double>(value));
  return text;
}

PromptMessage warning(std::string text) {
  return {std::move(text), "", PromptButtons::kOk, PromptIcon::kWarning};
}

PromptMessage error(std::string text) {
  return {std::move(text), "", PromptButtons::kOk, PromptIcon::kError};
}

}  // namespace

PromptMessage output_drive_full_message(float needed_megabytes) {
  return warning("Not enough disk space: please choose another drive. " +
                 megabytes(needed_megabytes) + " MB are needed.");
}

PromptMessage temp_drive_full_message(const std::filesystem::path& temp_drive,
                                      float needed_megabytes) {
  return warning("The drive " + temp_drive.string() + " needs more than " +
                 megabytes(needed_megabytes) +
                 " MB of free space. Please delete files you no longer need and try again!");
}

PromptMessage shared_drive_full_message(const std::filesystem::path& drive,
                                        float needed_megabytes) {
  const std::string needed = megabytes(needed_megabytes);
  return warning("Not enough disk space: please choose another drive. The videos need " + needed +
                 " MB,\nand the drive " + drive.string() + " needs " + needed + " MB!");
}

PromptMessage output_folder_not_emptied_message() {
  return {
      "The output folder holds files that are not this project's videos, so Pictavo does not "
      "empty it.\nPlease choose another folder or move those files.",
      "Information", PromptButtons::kOk, PromptIcon::kInformation};
}

PromptMessage output_folder_not_writable_message(const std::filesystem::path& folder) {
  return error("The output folder '" + folder.string() +
               "' cannot be made or written. Please choose another folder and try again.");
}

PromptMessage empty_slideshow_message(const std::string& slideshow) {
  return error("Slideshow '" + slideshow +
               "' has no photos. Please add photos to it or delete it and try again.");
}

PromptMessage unreadable_photo_message(const std::filesystem::path& photo,
                                       const std::string& slideshow) {
  return error("The photo '" + photo.string() + "' of slideshow '" + slideshow +
               "' cannot be read any more. Please remove it or bring it back and try again.");
}

PromptMessage unplayable_videos_message(const std::vector<UnplayableVideo>& videos) {
  std::string text = videos.size() == 1 ? "This video was made but will not play on the PSP:"
                                        : "These videos were made but will not play on the PSP:";
  for (const UnplayableVideo& video : videos) {
    text += "\n\n" + video.video.filename().string() + ":";
    for (const std::string& rule : video.broken_rules)
      text += "\n- " + rule;
  }
  return warning(std::move(text));
}

PromptMessage make_video_failed_message() {
  return error("Making the video files failed!");
}

PromptMessage make_video_stopped_message() {
  return {"Stopped!", "", PromptButtons::kOk, PromptIcon::kInformation};
}

PromptMessage shutdown_countdown_message(int seconds) {
  return {"The computer will shut down in " + std::to_string(seconds) +
              (seconds == 1 ? " second!" : " seconds!") +
              "\nIf you do not want it to shut down, press Cancel.",
          "Pictavo", PromptButtons::kOkCancel, PromptIcon::kWarning};
}

PromptMessage no_power_connection_message() {
  return error("The computer cannot be shut down: the power service cannot be reached.");
}

PromptMessage power_off_refused_message() {
  return error("The computer cannot be shut down: permission was refused.");
}

PromptMessage project_not_saved_for_shutdown_message() {
  return error("The project could not be saved, so the computer stays on.");
}

}  // namespace pictavo
