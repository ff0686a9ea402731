#include "model/project_messages.h"

#include <algorithm>
#include <string>

#include "base/translation_mark.h"
#include "model/audio_track.h"
#include "model/photo_adding.h"

namespace pictavo {
namespace {

PromptMessage warning(UserText text) {
  return {std::move(text), {}, PromptButtons::kOk, PromptIcon::kWarning};
}

UserText number(std::size_t value) {
  return std::to_string(value);
}

// "a, b, c and 2 more": the first `named` of `items`, then how many are left out.
UserText short_list(std::span<const UserText> items, std::size_t named) {
  UserText list = items.front();
  for (std::size_t i = 1; i < std::min(items.size(), named); ++i)
    list = UserText::marked(QT_TRANSLATE_NOOP("Engine", "%1, %2"), {list, items[i]});
  if (items.size() > named)
    list = UserText::marked(QT_TRANSLATE_NOOP("Engine", "%1 and %2 more"),
                            {list, number(items.size() - named)});
  return list;
}

UserText seconds(int count) {
  return count == 1
             ? UserText::marked(QT_TRANSLATE_NOOP("Engine", "1 second"))
             : UserText::marked(QT_TRANSLATE_NOOP("Engine", "%1 seconds"), {std::to_string(count)});
}

}  // namespace

PromptMessage slideshow_limit_message(int limit) {
  return warning(
      UserText::marked(QT_TRANSLATE_NOOP("Engine", "You have reached the limit of %1 slideshows!"),
                       {std::to_string(limit)}));
}

PromptMessage slideshow_name_message() {
  return {UserText::marked(
              QT_TRANSLATE_NOOP("Engine", "The slideshow name is empty or already in use!")),
          {},
          PromptButtons::kOk,
          PromptIcon::kQuestion};
}

PromptMessage too_many_images_message() {
  return warning(UserText::marked(
      QT_TRANSLATE_NOOP("Engine", "You cannot add more pictures than the output disk can hold!")));
}

PromptMessage size_warning_message() {
  return warning(UserText::marked(
      QT_TRANSLATE_NOOP("Engine",
                        "The videos would be over 4000 MB! Please delete some pictures or "
                        "shorten the display time in Settings!")));
}

PromptMessage last_track_message() {
  return warning(UserText::marked(
      QT_TRANSLATE_NOOP("Engine", "This is the last music track; it cannot be deleted!")));
}

PromptMessage not_music_prompt(const std::filesystem::path& path) {
  return warning(not_music_message(path));
}

PromptMessage apply_times_question(int display_seconds, int transition_seconds) {
  return {UserText::marked(
              QT_TRANSLATE_NOOP("Engine",
                                "Photos you add from now on are shown for %1 after a transition "
                                "of %2. Do you want every photo already in the project to take "
                                "these times too? Their motions and transitions stay as they "
                                "are."),
              {seconds(display_seconds), seconds(transition_seconds)}),
          UserText::marked(QT_TRANSLATE_NOOP("Engine", "Query")), PromptButtons::kYesNo,
          PromptIcon::kQuestion};
}

PromptMessage saved_message(const std::filesystem::path& path) {
  return {UserText::marked(QT_TRANSLATE_NOOP("Engine", "The project was saved to '%1'."),
                           {path.string()}),
          {},
          PromptButtons::kOk,
          PromptIcon::kInformation};
}

PromptMessage save_failed_message(const std::filesystem::path& path, const std::string& reason) {
  return {UserText::marked(QT_TRANSLATE_NOOP("Engine",
                                             "The project could not be saved to '%1': %2. Your "
                                             "changes are kept; save to another folder or free "
                                             "some space."),
                           {path.string(), UserText::marked(reason)}),
          {},
          PromptButtons::kOk,
          PromptIcon::kError};
}

PromptMessage refused_photos_message(std::span<const RefusedPhoto> refused) {
  std::vector<UserText> items;
  items.reserve(refused.size());
  for (const RefusedPhoto& photo : refused)
    items.push_back(UserText::marked(QT_TRANSLATE_NOOP("Engine", "%1 (%2)"),
                                     {photo.file.filename().string(), photo.reason}));
  const UserText list = short_list(items, 5);
  return warning(
      refused.size() == 1
          ? UserText::marked(QT_TRANSLATE_NOOP("Engine", "1 file could not be added: %1."), {list})
          : UserText::marked(QT_TRANSLATE_NOOP("Engine", "%1 files could not be added: %2."),
                             {number(refused.size()), list}));
}

namespace {

UserText short_path_list(std::span<const std::filesystem::path> paths) {
  std::vector<UserText> items;
  for (const std::filesystem::path& path : paths)
    items.emplace_back(path.string());
  return short_list(items, 3);
}

}  // namespace

PromptMessage missing_photos_message(std::span<const std::filesystem::path> paths) {
  const UserText list = short_path_list(paths);
  return warning(
      paths.size() == 1
          ? UserText::marked(QT_TRANSLATE_NOOP("Engine",
                                               "1 photo could not be found: %1. It stays in the "
                                               "project and is left out of the videos until it "
                                               "is relinked."),
                             {list})
          : UserText::marked(QT_TRANSLATE_NOOP("Engine",
                                               "%1 photos could not be found: %2. They stay in "
                                               "the project and are left out of the videos until "
                                               "they are relinked."),
                             {number(paths.size()), list}));
}

PromptMessage photos_left_out_message(std::span<const std::filesystem::path> paths) {
  const UserText list = short_path_list(paths);
  return warning(
      paths.size() == 1
          ? UserText::marked(
                QT_TRANSLATE_NOOP("Engine",
                                  "1 photo could not be found and is left out of the videos: %1"),
                {list})
          : UserText::marked(
                QT_TRANSLATE_NOOP(
                    "Engine", "%1 photos could not be found and are left out of the videos: %2"),
                {number(paths.size()), list}));
}

PromptMessage open_failed_message(const std::filesystem::path& path, const std::string& reason) {
  return {UserText::marked(QT_TRANSLATE_NOOP("Engine", "The project '%1' could not be opened: %2."),
                           {path.string(), UserText::marked(reason)}),
          {},
          PromptButtons::kOk,
          PromptIcon::kError};
}

}  // namespace pictavo
