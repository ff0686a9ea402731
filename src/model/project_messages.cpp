#include "model/project_messages.h"

#include <string>

#include "model/audio_track.h"

namespace pictavo {

PromptMessage slideshow_limit_message(int limit) {
  return {"get to Max slideshow count " + std::to_string(limit) + "!", "", PromptButtons::kOk,
          PromptIcon::kWarning};
}

PromptMessage slideshow_name_message() {
  return {"Slideshow name conflict or is NULL!", "", PromptButtons::kOk, PromptIcon::kQuestion};
}

PromptMessage size_warning_message() {
  return {
      "Length Is over 4000M! Please delete some Image or change Image display time in "
      "Preference Screen!",
      "", PromptButtons::kOk, PromptIcon::kWarning};
}

PromptMessage not_music_prompt(const std::filesystem::path& path) {
  return {not_music_message(path), "", PromptButtons::kOk, PromptIcon::kWarning};
}

PromptMessage saved_message(const std::filesystem::path& path) {
  return {"Save to '" + path.string() + "' Success!", "", PromptButtons::kOk,
          PromptIcon::kInformation};
}

PromptMessage unreadable_project_message() {
  return {"can not set Doc!", "", PromptButtons::kOk, PromptIcon::kError};
}

}  // namespace pictavo
