#include "model/photo_adding.h"

#include "base/log.h"
#include "model/project.h"
#include "model/project_messages.h"

namespace pictavo {

PhotoFilesResult add_photo_files(Project& project, Slideshow& slideshow,
                                 std::span<const std::filesystem::path> files) {
  PhotoFilesResult result;
  for (const std::filesystem::path& file : files) {
    project.preferences.fd_search_path = file.parent_path();
    if (slideshow.add_photo(file, project.default_setting) != 0) continue;
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

int create_slideshow_with_photos(Project& project, std::string_view name,
                                 std::span<const std::filesystem::path> files) {
  if (project.add_slideshow(name) != 0) {
    project.front_end.show(slideshow_name_message());
    return -1;
  }
  const int index = project.current_slideshow;
  Slideshow& slideshow = *project.current();
  slideshow.add_default_track(project.preferences);
  add_photo_files(project, slideshow, files);
  if (slideshow.photos.empty()) {
    project.remove_slideshow(index);
    return -1;
  }
  write_log("Add Slideshow named " + slideshow.name());
  project.modified = true;
  return index;
}

}  // namespace pictavo
