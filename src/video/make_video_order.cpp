#include "video/make_video_order.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "base/free_name.h"
#include "model/photo_preparation.h"
#include "model/project.h"

namespace pictavo {
namespace {

bool same_path(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  const std::filesystem::path first = std::filesystem::weakly_canonical(a, error);
  if (error) return false;
  return first == std::filesystem::weakly_canonical(b, error) && !error;
}

bool is_a_track(const Slideshow& slideshow, const std::filesystem::path& path) {
  return std::any_of(slideshow.tracks.begin(), slideshow.tracks.end(),
                     [&](const auto& track) { return same_path(track->source_path(), path); });
}

}  // namespace

bool MakeVideoOrder::makes_music() const {
  return !slideshows.empty() && !slideshows.front().tracks.empty();
}

std::vector<std::string> MakeVideoOrder::output_file_names() const {
  std::vector<std::string> names;
  for (const Slideshow& slideshow : slideshows) {
    names.push_back(slideshow.video_path.filename().string());
    names.push_back(picture_path(slideshow).filename().string());
  }
  return names;
}

std::filesystem::path MakeVideoOrder::picture_path(const Slideshow& slideshow) const {
  return profile.for_psp() ? thm_path(slideshow, output_folder)
                           : video_cover_path(slideshow, output_folder);
}

namespace {

// Takes the photos marked missing out of the copy, naming them in `left_out`. The
// cover stays on its photo, or goes to the first one when its photo is left out.
void leave_out_missing_photos(Slideshow& copy, std::vector<std::filesystem::path>& left_out) {
  const PhotoItem* cover =
      copy.cover_index >= 0 && static_cast<std::size_t>(copy.cover_index) < copy.photos.size()
          ? copy.photos[static_cast<std::size_t>(copy.cover_index)].get()
          : nullptr;
  const std::size_t before = copy.photos.size();
  std::erase_if(copy.photos, [&left_out](const std::unique_ptr<PhotoItem>& photo) {
    if (photo->missing) left_out.push_back(photo->source_path);
    return photo->missing;
  });
  if (copy.photos.size() == before) return;
  const auto kept = std::find_if(copy.photos.begin(), copy.photos.end(),
                                 [cover](const auto& photo) { return photo.get() == cover; });
  copy.cover_index = kept == copy.photos.end() ? 0 : static_cast<int>(kept - copy.photos.begin());
  copy.update_length();
}

}  // namespace

std::optional<MakeVideoOrder> make_video_order(const Project& project,
                                               const std::filesystem::path& output_folder) {
  const OutputProfile* profile = project.profiles.current_profile();
  if (profile == nullptr) return std::nullopt;
  MakeVideoOrder order;
  order.profile = *profile;
  order.output_folder = output_folder;
  // Only a working folder the program made is the program's to empty.
  order.output_folder_is_own = project.preferences.working_folder_is_own &&
                               same_path(output_folder, project.default_setting.output_folder);
  order.temp_folder = project.default_setting.temp_folder;
  order.loop_audio = project.preferences.loop_audio;
  order.blurred_background = project.preferences.blurred_background;
  order.music_fade_out_seconds = project.preferences.music_fade_out_seconds;
  order.project_seconds = project.total_seconds();
  order.slideshows.reserve(project.slideshows.size());
  for (const auto& slideshow : project.slideshows) {
    Slideshow& copy = order.slideshows.emplace_back(*slideshow);
    copy.video_path = output_folder / (copy.file_base() + "." + profile->ext);
    leave_out_missing_photos(copy, order.left_out);
  }
  if (order.slideshows.empty()) return order;
  Slideshow& first = order.slideshows.front();
  first.set_music_output("mp2", order.temp_folder);
  // A track kept where the joined music would go must not be written over.
  first.music_path = free_name(first.music_path, [&first](const std::filesystem::path& path) {
    return is_a_track(first, path);
  });
  order.music_path = order.makes_music() ? first.music_path : project.preferences.silent_audio;
  for (Slideshow& slideshow : order.slideshows)
    slideshow.music_path = order.music_path;
  return order;
}

}  // namespace pictavo
