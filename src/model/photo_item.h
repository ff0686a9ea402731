#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/calendar_date.h"
#include "base/clock_seconds.h"
#include "model/edit_item.h"
#include "model/model_id.h"
#include "model/photo_setting.h"

namespace pictavo {

// A photo list's cached picture of a photo and the size it was made at.
// Pixels are 4 bytes each, B G R x in memory, rows of width * 4 bytes.
struct Thumbnail {
  int size_index = 0;
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
};

// One photo of a slideshow: the user's file, the picture that is rendered, its
// effect choices and edits, and what the lists show about the file.
class PhotoItem {
 public:
  // Longer captions would not fit a frame's width at a readable size.
  static constexpr std::size_t kMaxCaptionCharacters = 120;

  // Reads the file's name, creation time (birth time where the file system keeps
  // it, else the modification time), size, type name and the day the photo was
  // taken (EXIF), and takes `setting` as
  // PhotoSetting::copy_from does. A file that cannot be examined gets size 0.
  PhotoItem(const std::filesystem::path& path, const PhotoSetting& setting);
  // The same with a thumbnail the photo browser has already made.
  PhotoItem(const std::filesystem::path& path, const PhotoSetting& setting, Thumbnail thumbnail);

  // Moves a prepared copy into `folder` under its own file name; a photo that is
  // rendered from its source file keeps it.
  void reroot_prepared(const std::filesystem::path& folder);
  // Any of EditItem's alternatives: TextOverlay, CropArea, RotateLeft90, ... It is
  // built in place; copying a temporary variant trips a false uninitialised-use
  // warning of GCC 12.
  template <typename Edit>
  void append_edit(Edit edit) {
    edits.emplace_back(std::in_place_type<Edit>, std::move(edit));
  }

  ModelId id = next_model_id();
  int number = 0;  // position in the slideshow, written just before sorting
  std::filesystem::path source_path;
  // The picture that is rendered: the source until an edit writes a prepared copy.
  std::filesystem::path prepared_path;
  std::string file_name;  // with its extension
  std::chrono::system_clock::time_point created;
  std::optional<CalendarDate> date_taken;
  PhotoSetting setting;
  std::vector<EditItem> edits;  // applied in order
  int brightness = 0;
  int contrast = 0;
  int sharpen_times = 0;
  int soften_times = 0;
  std::string caption;  // typed by the user; shown instead of the slideshow's automatic one
  std::uintmax_t file_size = 0;
  std::string size_text;
  std::string type_name;
  std::optional<Thumbnail> thumbnail;
  ClockSeconds start;  // within the slideshow
  // The file was not found when the project was opened: the photo stays in the
  // project as it was stored, is left out of the videos, and waits to be relinked.
  bool missing = false;
};

// A file size as the photo lists show it: whole MB above 1 MiB, whole KB above
// 1 KiB, "1KB" for 1 to 1024 bytes, "0KB" for none; from 1 GiB on, GB with one
// decimal ("1.5GB"), all rounded down.
std::string file_size_text(std::uintmax_t bytes);

}  // namespace pictavo
