#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/audio_track.h"
#include "model/photo_item.h"

namespace pictavo {

// One slideshow of the project: photos and music tracks in playing order, and the
// files made from it. Copies clone every photo and track.
class Slideshow {
 public:
  static constexpr std::size_t kMaxNameCharacters = 15;

  // A name cut to kMaxNameCharacters characters, the way slideshows store it.
  static std::string fit_name(std::string_view name);

  // The slideshow `name` (cut by fit_name) of a project whose working folder is
  // `working_folder`; its intermediate files go to that folder's "temp" folder.
  Slideshow(std::string_view name, const std::filesystem::path& working_folder);
  Slideshow(const Slideshow& other);
  Slideshow& operator=(const Slideshow& other);
  Slideshow(Slideshow&&) noexcept = default;
  Slideshow& operator=(Slideshow&&) noexcept = default;
  ~Slideshow();

  const std::string& name() const { return name_; }
  // The base of the slideshow's file names: the name with every "/" made "_", so
  // no name can point a file outside its folder.
  std::string file_base() const;

  // Re-roots the intermediate files, the cover picture, every track's converted
  // copy (its file name + ".mp2") and every prepared photo into `folder`.
  void set_temp_folder(const std::filesystem::path& folder);

  std::vector<std::unique_ptr<PhotoItem>> photos;
  std::vector<std::unique_ptr<AudioTrack>> tracks;
  std::filesystem::path stream_path;  // intermediate video stream (.m2v)
  std::filesystem::path music_path;   // the joined music (.mp2)
  std::filesystem::path raw_path;     // intermediate raw frames (.yuv)
  std::filesystem::path video_path;   // the finished video
  std::filesystem::path cover_path;   // the cover picture (cover_NAME.bmp)
  int total_frames = 0;
  int number = 0;  // position in the project, renumbered after every change
  int cover_index = 0;

 private:
  std::string name_;
};

}  // namespace pictavo
