#pragma once

#include <filesystem>
#include <optional>

#include "render/frame_canvas.h"

namespace pictavo {

struct PhotoSize {
  int width = 0;
  int height = 0;
};

// Where the renderers get their photos from: the image layer in the program,
// pictures drawn in memory in tests and benchmarks.
class PhotoDecoder {
 public:
  virtual ~PhotoDecoder() = default;

  // The photo's size in pixels, upright, without decoding its pixels; nothing when
  // the file cannot be decoded.
  virtual std::optional<PhotoSize> probe(const std::filesystem::path& path) const = 0;
  // The photo as an opaque canvas, decoded as cheaply as the format allows for a
  // picture of `width` × `height`: never smaller than that unless the photo itself
  // is, never larger than the photo. An invalid canvas when decoding fails.
  virtual FrameCanvas decode(const std::filesystem::path& path, int width, int height) const = 0;
};

}  // namespace pictavo
