#include "model/slideshow.h"

#include <algorithm>

#include "model/utf8_text.h"

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
      name_(other.name_) {}

Slideshow& Slideshow::operator=(const Slideshow& other) {
  if (this != &other) *this = Slideshow(other);
  return *this;
}

Slideshow::~Slideshow() = default;

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

}  // namespace pictavo
