#include "model/project_messages.h"

#include <algorithm>
#include <string>

#include "model/audio_track.h"
#include "model/photo_adding.h"

namespace pictavo {

PromptMessage slideshow_limit_message(int limit) {
  return {"You have reached the limit of " + std::to_string(limit) + " slideshows!", "",
          PromptButtons::kOk, PromptIcon::kWarning};
}

PromptMessage slideshow_name_message() {
  return {"The slideshow name is empty or already in use!", "", PromptButtons::kOk,
          PromptIcon::kQuestion};
}

PromptMessage too_many_images_message() {
  return {"You cannot add more pictures than the output disk can hold!", "", PromptButtons::kOk,
          PromptIcon::kWarning};
}

PromptMessage size_warning_message() {
  return {
      "The videos would be over 4000 MB! Please delete some pictures or shorten the display "
      "time in Settings!",
      "", PromptButtons::kOk, PromptIcon::kWarning};
}

PromptMessage last_track_message() {
  return {"This is the last music track; it cannot be deleted!", "", PromptButtons::kOk,
          PromptIcon::kWarning};
}

PromptMessage not_music_prompt(const std::filesystem::path& path) {
  return {not_music_message(path), "", PromptButtons::kOk, PromptIcon::kWarning};
}

PromptMessage apply_times_question(int display_seconds, int transition_seconds) {
  const auto seconds = [](int count) {
    return std::to_string(count) + (count == 1 ? " second" : " seconds");
  };
  return {"Photos you add from now on are shown for " + seconds(display_seconds) +
              " after a transition of " + seconds(transition_seconds) +
              ". Do you want every photo already in the project to take these times "
              "too? Their motions and transitions stay as they are.",
          "Query", PromptButtons::kYesNo, PromptIcon::kQuestion};
}

PromptMessage saved_message(const std::filesystem::path& path) {
  return {"The project was saved to '" + path.string() + "'.", "", PromptButtons::kOk,
          PromptIcon::kInformation};
}

PromptMessage save_failed_message(const std::filesystem::path& path, const std::string& reason) {
  return {"The project could not be saved to '" + path.string() + "': " + reason +
              ". Your changes are kept; save to another folder or free some space.",
          "", PromptButtons::kOk, PromptIcon::kError};
}

PromptMessage refused_photos_message(std::span<const RefusedPhoto> refused) {
  constexpr std::size_t kNamed = 5;
  const std::size_t count = refused.size();
  std::string text = count == 1 ? "1 file could not be added: "
                                : std::to_string(count) + " files could not be added: ";
  for (std::size_t i = 0; i < std::min(count, kNamed); ++i) {
    text +=
        (i > 0 ? ", " : "") + refused[i].file.filename().string() + " (" + refused[i].reason + ")";
  }
  if (count > kNamed) text += " and " + std::to_string(count - kNamed) + " more";
  return {text + ".", "", PromptButtons::kOk, PromptIcon::kWarning};
}

namespace {

// The first few paths, "a.jpg, b.jpg, c.jpg and 2 more".
std::string first_paths(std::span<const std::filesystem::path> paths) {
  constexpr std::size_t kNamed = 3;
  std::string text;
  for (std::size_t i = 0; i < std::min(paths.size(), kNamed); ++i)
    text += (i > 0 ? ", " : "") + paths[i].string();
  if (paths.size() > kNamed) text += " and " + std::to_string(paths.size() - kNamed) + " more";
  return text;
}

}  // namespace

PromptMessage missing_photos_message(std::span<const std::filesystem::path> paths) {
  const bool one = paths.size() == 1;
  const std::string text =
      (one ? std::string("1 photo could not be found: ")
           : std::to_string(paths.size()) + " photos could not be found: ") +
      first_paths(paths) +
      (one ? ". It stays in the project and is left out of the videos until it is relinked."
           : ". They stay in the project and are left out of the videos until they are "
             "relinked.");
  return {text, "", PromptButtons::kOk, PromptIcon::kWarning};
}

PromptMessage photos_left_out_message(std::span<const std::filesystem::path> paths) {
  const std::string text =
      (paths.size() == 1 ? std::string("1 photo could not be found and is left out of the videos: ")
                         : std::to_string(paths.size()) +
                               " photos could not be found and are left out of the videos: ") +
      first_paths(paths);
  return {text, "", PromptButtons::kOk, PromptIcon::kWarning};
}

PromptMessage open_failed_message(const std::filesystem::path& path, const std::string& reason) {
  return {"The project '" + path.string() + "' could not be opened: " + reason + ".", "",
          PromptButtons::kOk, PromptIcon::kError};
}

}  // namespace pictavo
