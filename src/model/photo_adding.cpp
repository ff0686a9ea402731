#include "model/photo_adding.h"

#include <algorithm>
#include <system_error>

#include "base/log.h"
#include "base/translation_mark.h"
#include "base/utf8_text.h"
#include "image/image_format.h"
#include "model/project.h"
#include "model/project_messages.h"

namespace pictavo {
namespace {

// Why `file` was not taken into `slideshow`.
UserText refusal_reason(const Slideshow& slideshow, const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::exists(file, error))
    return UserText::marked(QT_TRANSLATE_NOOP("Engine", "not found"));
  const bool there = std::any_of(slideshow.photos.begin(), slideshow.photos.end(),
                                 [&](const auto& photo) { return photo->prepared_path == file; });
  return there ? UserText::marked(QT_TRANSLATE_NOOP("Engine", "in the slideshow already"))
               : UserText::marked(QT_TRANSLATE_NOOP("Engine", "not a picture Pictavo can read"));
}

PhotoFilesResult add_files(Project& project, Slideshow& slideshow,
                           std::span<const std::filesystem::path> files) {
  PhotoFilesResult result;
  for (const std::filesystem::path& file : files) {
    project.preferences.fd_search_path = file.parent_path();
    if (slideshow.add_photo(file, project.default_setting) != 0) {
      result.refused.push_back({file, refusal_reason(slideshow, file)});
      continue;
    }
    project.recompute_totals();
    if (project.over_hard_limit()) {
      slideshow.remove_photo(static_cast<int>(slideshow.photos.size()) - 1);
      project.recompute_totals();
      result.limit_reached = true;
    } else {
      ++result.added;
    }
  }
  project.update_totals();
  return result;
}

void tell_refused(const Project& project, std::span<const RefusedPhoto> refused) {
  if (!refused.empty()) project.front_end.show(refused_photos_message(refused));
}

// Gives the new current slideshow the default music and the files; without any
// photo taken it goes again.
PhotoFilesResult fill_new_slideshow(Project& project,
                                    std::span<const std::filesystem::path> files) {
  const int index = project.current_slideshow;
  Slideshow& slideshow = *project.current();
  slideshow.add_default_track(project.preferences);
  const PhotoFilesResult result = add_files(project, slideshow, files);
  if (slideshow.photos.empty()) {
    project.remove_slideshow(index);
    return result;
  }
  write_log("Add Slideshow named " + slideshow.name());
  project.modified = true;
  return result;
}

// The folder's last path component, also for a path that ends in a separator; the
// whole path for a root, which has none.
std::string folder_name(const std::filesystem::path& folder) {
  std::filesystem::path name = folder.filename();
  if (name.empty()) name = folder.parent_path().filename();
  return name.empty() ? folder.string() : name.string();
}

}  // namespace

PhotoFilesResult add_photo_files(Project& project, Slideshow& slideshow,
                                 std::span<const std::filesystem::path> files) {
  PhotoFilesResult result = add_files(project, slideshow, files);
  tell_refused(project, result.refused);
  return result;
}

int create_slideshow_with_photos(Project& project, std::string_view name,
                                 std::span<const std::filesystem::path> files) {
  if (project.add_slideshow(name) != 0) {
    project.front_end.show(slideshow_name_message());
    return -1;
  }
  const int index = project.current_slideshow;
  const PhotoFilesResult result = fill_new_slideshow(project, files);
  tell_refused(project, result.refused);
  return result.added > 0 ? index : -1;
}

std::vector<std::filesystem::path> picture_files(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> pictures;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.is_regular_file(error) && image_type_of(entry.path()) != ImageFormat::kUnknown)
      pictures.push_back(entry.path());
  }
  std::sort(pictures.begin(), pictures.end());
  return pictures;
}

std::string import_slideshow_name(const Project& project, const std::filesystem::path& folder) {
  const std::string base = folder_name(folder);
  std::string pluses;
  std::string name = Slideshow::fit_name(base);
  while (project.has_slideshow(name) && pluses.size() < Slideshow::kMaxNameCharacters) {
    pluses += '+';
    name = std::string(utf8_prefix(base, Slideshow::kMaxNameCharacters - pluses.size())) + pluses;
  }
  return name;
}

FolderImportResult import_folders(Project& project,
                                  std::span<const std::filesystem::path> folders) {
  FolderImportResult result;
  std::vector<RefusedPhoto> refused;
  for (const std::filesystem::path& folder : folders) {
    const std::vector<std::filesystem::path> pictures = picture_files(folder);
    if (pictures.empty()) continue;
    if (project.add_slideshow(import_slideshow_name(project, folder)) != 0) break;
    const PhotoFilesResult added = fill_new_slideshow(project, pictures);
    refused.insert(refused.end(), added.refused.begin(), added.refused.end());
    if (added.added > 0) ++result.slideshows;
    if (added.limit_reached) {
      result.limit_reached = true;
      project.front_end.show(too_many_images_message());
      break;
    }
  }
  tell_refused(project, refused);
  return result;
}

}  // namespace pictavo
