#include "model/slideshow.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <system_error>
#include <utility>

#include "audio/music_preparation.h"
#include "base/lower_extension.h"
#include "base/utf8_text.h"
#include "model/frame_count.h"
#include "model/frame_rate.h"
#include "model/front_end.h"
#include "model/photo_preparation.h"
#include "model/preferences.h"
#include "model/project_messages.h"
#include "model/slideshow_timing.h"
#include "model/unsaved_changes.h"

namespace pictavo {
namespace {

template <typename Item>
std::vector<std::unique_ptr<Item>> deep_copy(const std::vector<std::unique_ptr<Item>>& items) {
  std::vector<std::unique_ptr<Item>> copies;
  copies.reserve(items.size());
  for (const auto& item : items)
    copies.push_back(std::make_unique<Item>(*item));
  return copies;
}

}  // namespace

std::string Slideshow::fit_name(std::string_view name) {
  return std::string(utf8_prefix(name, kMaxNameCharacters));
}

Slideshow::Slideshow(std::string_view name, const std::filesystem::path& working_folder)
    : name_(fit_name(name)) {
  set_temp_folder(working_folder / "temp");
}

Slideshow::Slideshow(const Slideshow& other)
    : photos(deep_copy(other.photos)),
      tracks(deep_copy(other.tracks)),
      stream_path(other.stream_path),
      music_path(other.music_path),
      raw_path(other.raw_path),
      video_path(other.video_path),
      cover_path(other.cover_path),
      total_frames(other.total_frames),
      number(other.number),
      cover_index(other.cover_index),
      captions(other.captions),
      id_(other.id_),
      name_(other.name_),
      length_seconds_(other.length_seconds_) {}

Slideshow& Slideshow::operator=(const Slideshow& other) {
  if (this != &other) *this = Slideshow(other);
  return *this;
}

Slideshow::~Slideshow() = default;

void Slideshow::rename(std::string_view name) {
  const std::filesystem::path old_cover = cover_path;
  name_ = fit_name(name);
  set_temp_folder(stream_path.parent_path());
  std::error_code no_cover_yet;
  std::filesystem::rename(old_cover, cover_path, no_cover_yet);
  mark_unsaved();
  notify(ProjectChange::Kind::kSlideshowRenamed);
}

std::string Slideshow::file_base() const {
  std::string base = name_;
  std::replace(base.begin(), base.end(), '/', '_');
  return base;
}

void Slideshow::set_temp_folder(const std::filesystem::path& folder) {
  const std::string base = file_base();
  stream_path = folder / (base + ".m2v");
  music_path = folder / (base + ".mp2");
  raw_path = folder / (base + ".yuv");
  video_path = folder / (base + ".mpg");
  cover_path = folder / ("cover_" + base + ".bmp");
  for (const auto& track : tracks)
    track->converted_path = folder / (track->file_name() + ".mp2");
  for (const auto& photo : photos)
    photo->reroot_prepared(folder);
}

bool Slideshow::is_photo_index(int index) const {
  return index >= 0 && static_cast<std::size_t>(index) < photos.size();
}

bool Slideshow::is_track_index(int index) const {
  return index >= 0 && static_cast<std::size_t>(index) < tracks.size();
}

void Slideshow::notify(ProjectChange::Kind kind, int index, int count) const {
  if (front_end_ != nullptr) front_end_->notify({kind, id_, index, count});
}

void Slideshow::notify_photos_changed(std::span<const int> indices) const {
  if (indices.empty()) return;
  const auto [first, last] = std::minmax_element(indices.begin(), indices.end());
  notify(ProjectChange::Kind::kPhotosChanged, *first, *last - *first + 1);
}

void Slideshow::set_cover(int index) {
  cover_index = index;
  mark_unsaved();
  if (!is_photo_index(index)) return;
  write_cover_picture(*photos[static_cast<std::size_t>(index)], cover_path);
  notify(ProjectChange::Kind::kCoverChanged);
}

PhotoItem* Slideshow::cover_photo() {
  if (photos.empty()) return nullptr;
  cover_index = std::clamp(cover_index, 0, static_cast<int>(photos.size()) - 1);
  return photos[static_cast<std::size_t>(cover_index)].get();
}

void Slideshow::keep_cover_on(const PhotoItem* photo) {
  const auto found = std::find_if(photos.begin(), photos.end(),
                                  [photo](const auto& item) { return item.get() == photo; });
  if (found != photos.end()) {
    cover_index = static_cast<int>(found - photos.begin());
  } else if (!photos.empty()) {
    set_cover(0);
  } else {
    cover_index = 0;
  }
}

void Slideshow::update_length() {
  if (photos.empty()) {
    total_frames = 0;
    length_seconds_ = 0;
    return;
  }
  const SlideshowTiming timing = slideshow_timing(photos);
  for (std::size_t k = 0; k < photos.size(); ++k)
    photos[k]->start = ClockSeconds(static_cast<int>(timing.starts[k]));
  length_seconds_ = static_cast<int>(std::min<std::int64_t>(timing.length(), INT_MAX));
  total_frames = frame_at(timing.length(), frame_rate(photos.front()->setting.tv_system));
}

bool is_music_file(const std::filesystem::path& path) {
  const std::string extension = lower_extension(path);
  return extension == "mp3" || extension == "mp2" || extension == "wav" || extension == "wma";
}

int Slideshow::add_track(const std::filesystem::path& path, const Preferences& preferences) {
  if (path.empty() || preferences.working_folder.empty()) return 1;
  const bool known = std::any_of(tracks.begin(), tracks.end(),
                                 [&](const auto& track) { return track->source_path() == path; });
  if (known) return 1;
  auto track = std::make_unique<AudioTrack>(path, path.filename().string(), std::filesystem::path(),
                                            preferences.default_music);
  track->converted_path =
      make_converted_path(track->source_path(), preferences.working_folder / "temp", "mp2");
  if (track->duration().seconds() == 0) {
    if (front_end_ != nullptr) front_end_->show(not_music_prompt(path));
  } else {
    tracks.push_back(std::move(track));
    mark_unsaved();
    notify(ProjectChange::Kind::kTracksChanged);
  }
  update_track_starts();
  return 0;
}

int Slideshow::add_default_track(const Preferences& preferences) {
  return add_track(preferences.default_music, preferences);
}

int Slideshow::remove_track(int index) {
  return take_track(index) ? 0 : 1;
}

std::unique_ptr<AudioTrack> Slideshow::take_track(int index) {
  if (!is_track_index(index)) return nullptr;
  std::unique_ptr<AudioTrack> track = std::move(tracks[static_cast<std::size_t>(index)]);
  tracks.erase(tracks.begin() + index);
  mark_unsaved();
  update_track_starts();
  notify(ProjectChange::Kind::kTracksChanged);
  return track;
}

void Slideshow::insert_track(int index, std::unique_ptr<AudioTrack> track) {
  if (!track) return;
  const auto at =
      std::clamp<std::size_t>(static_cast<std::size_t>(std::max(index, 0)), 0, tracks.size());
  tracks.insert(tracks.begin() + static_cast<std::ptrdiff_t>(at), std::move(track));
  mark_unsaved();
  update_track_starts();
  notify(ProjectChange::Kind::kTracksChanged);
}

int Slideshow::move_track_up(int index) {
  if (!is_track_index(index)) return 1;
  if (index == 0) return 0;
  std::swap(tracks[static_cast<std::size_t>(index)], tracks[static_cast<std::size_t>(index - 1)]);
  mark_unsaved();
  update_track_starts();
  notify(ProjectChange::Kind::kTracksChanged);
  return 0;
}

int Slideshow::move_track_down(int index) {
  if (!is_track_index(index)) return 1;
  if (static_cast<std::size_t>(index) + 1 == tracks.size()) return 0;
  std::swap(tracks[static_cast<std::size_t>(index)], tracks[static_cast<std::size_t>(index + 1)]);
  mark_unsaved();
  update_track_starts();
  notify(ProjectChange::Kind::kTracksChanged);
  return 0;
}

void Slideshow::update_track_starts() {
  int start = 0;
  for (const auto& track : tracks) {
    track->start = ClockSeconds(start);
    start = saturating_add(start, track->duration().seconds());
  }
}

void Slideshow::set_music_output(std::string_view extension, const std::filesystem::path& folder) {
  music_path = folder / (file_base() + "." + std::string(extension));
  for (const auto& track : tracks)
    track->converted_path = make_converted_path(track->source_path(), folder, extension);
}

}  // namespace pictavo
