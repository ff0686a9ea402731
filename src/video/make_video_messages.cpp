#include "video/make_video_messages.h"

#include <cstdio>
#include <utility>

#include "base/translation_mark.h"

namespace pictavo {
namespace {

// Megabytes as the messages show them: rounded to a whole number.
std::string megabytes(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.0f", static_cast<double>(value));
  return text;
}

PromptMessage warning(UserText text) {
  return {std::move(text), {}, PromptButtons::kOk, PromptIcon::kWarning};
}

PromptMessage error(UserText text) {
  return {std::move(text), {}, PromptButtons::kOk, PromptIcon::kError};
}

}  // namespace

PromptMessage output_drive_full_message(float needed_megabytes) {
  return warning(UserText::marked(
      QT_TRANSLATE_NOOP("Engine",
                        "Not enough disk space: please choose another drive. %1 MB are needed."),
      {megabytes(needed_megabytes)}));
}

PromptMessage temp_drive_full_message(const std::filesystem::path& temp_drive,
                                      float needed_megabytes) {
  return warning(UserText::marked(
      QT_TRANSLATE_NOOP("Engine",
                        "The drive %1 needs more than %2 MB of free space. Please delete files "
                        "you no longer need and try again!"),
      {temp_drive.string(), megabytes(needed_megabytes)}));
}

PromptMessage shared_drive_full_message(const std::filesystem::path& drive,
                                        float needed_megabytes) {
  return warning(UserText::marked(
      QT_TRANSLATE_NOOP("Engine",
                        "Not enough disk space: please choose another drive. The videos need %1 "
                        "MB,\nand the drive %2 needs %1 MB!"),
      {megabytes(needed_megabytes), drive.string()}));
}

PromptMessage output_folder_not_emptied_message() {
  return {UserText::marked(
              QT_TRANSLATE_NOOP("Engine",
                                "The output folder holds files that are not this project's "
                                "videos, so Pictavo does not empty it.\nPlease choose another "
                                "folder or move those files.")),
          UserText::marked(QT_TRANSLATE_NOOP("Engine", "Information")), PromptButtons::kOk,
          PromptIcon::kInformation};
}

PromptMessage output_folder_not_writable_message(const std::filesystem::path& folder) {
  return error(UserText::marked(
      QT_TRANSLATE_NOOP("Engine",
                        "The output folder '%1' cannot be made or written. Please choose another "
                        "folder and try again."),
      {folder.string()}));
}

PromptMessage empty_slideshow_message(const std::string& slideshow) {
  return error(UserText::marked(
      QT_TRANSLATE_NOOP("Engine",
                        "Slideshow '%1' has no photos. Please add photos to it or delete it and "
                        "try again."),
      {slideshow}));
}

PromptMessage unreadable_photo_message(const std::filesystem::path& photo,
                                       const std::string& slideshow) {
  return error(UserText::marked(
      QT_TRANSLATE_NOOP("Engine",
                        "The photo '%1' of slideshow '%2' cannot be read any more. Please remove "
                        "it or bring it back and try again."),
      {photo.string(), slideshow}));
}

PromptMessage unplayable_videos_message(const std::vector<UnplayableVideo>& videos) {
  // Each video's name, then its broken rules one a line.
  UserText details;
  for (const UnplayableVideo& video : videos) {
    UserText block(video.video.filename().string() + ":");
    for (const UserText& rule : video.broken_rules)
      block = UserText::marked(QT_TRANSLATE_NOOP("Engine", "%1\n- %2"), {block, rule});
    details = details.empty()
                  ? block
                  : UserText::marked(QT_TRANSLATE_NOOP("Engine", "%1\n\n%2"), {details, block});
  }
  return warning(UserText::marked(
      videos.size() == 1
          ? QT_TRANSLATE_NOOP("Engine", "This video was made but will not play on the PSP:\n\n%1")
          : QT_TRANSLATE_NOOP("Engine",
                              "These videos were made but will not play on the PSP:\n\n%1"),
      {details}));
}

PromptMessage make_video_failed_message() {
  return error(UserText::marked(QT_TRANSLATE_NOOP("Engine", "Making the video files failed!")));
}

PromptMessage make_video_stopped_message() {
  return {UserText::marked(QT_TRANSLATE_NOOP("Engine", "Stopped!")),
          {},
          PromptButtons::kOk,
          PromptIcon::kInformation};
}

PromptMessage shutdown_countdown_message(int seconds) {
  return {UserText::marked(
              seconds == 1
                  ? QT_TRANSLATE_NOOP("Engine",
                                      "The computer will shut down in 1 second!\nIf you do not "
                                      "want it to shut down, press Cancel.")
                  : QT_TRANSLATE_NOOP("Engine",
                                      "The computer will shut down in %1 seconds!\nIf you do not "
                                      "want it to shut down, press Cancel."),
              {std::to_string(seconds)}),
          std::string("Pictavo"), PromptButtons::kOkCancel, PromptIcon::kWarning};
}

PromptMessage no_power_connection_message() {
  return error(UserText::marked(QT_TRANSLATE_NOOP(
      "Engine", "The computer cannot be shut down: the power service cannot be reached.")));
}

PromptMessage power_off_refused_message() {
  return error(UserText::marked(
      QT_TRANSLATE_NOOP("Engine", "The computer cannot be shut down: permission was refused.")));
}

PromptMessage project_not_saved_for_shutdown_message() {
  return error(UserText::marked(
      QT_TRANSLATE_NOOP("Engine", "The project could not be saved, so the computer stays on.")));
}

}  // namespace pictavo
