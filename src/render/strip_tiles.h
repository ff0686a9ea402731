#pragma once

#include <vector>

#include "render/frame_canvas.h"

namespace pictavo {

// A vertical strip of the frame, the full height high.
struct Strip {
  int x = 0;
  int width = 0;
};

// The frame's width cut into `count` strips side by side from x = 0, covering it
// exactly: the first (width mod count) strips are one pixel wider than the rest.
std::vector<Strip> strip_partition(int width, int count);

// One raster per strip holding the part of a picture under that strip, made once
// per transition and cut again from a picture whenever it changes. The tiles are
// 32-bit with (opaque) alpha: scaled draws of such pictures take the rasteriser's
// vectorised bilinear path, several times faster than those of 24-bit ones.
class StripTiles {
 public:
  StripTiles(const std::vector<Strip>& strips, int height);

  // Redraws tile `index` (all tiles without an index) from `picture`.
  void cut(const FrameCanvas& picture, std::size_t index);
  void cut(const FrameCanvas& picture);

  const FrameCanvas& operator[](std::size_t index) const { return tiles_[index]; }

 private:
  std::vector<Strip> strips_;
  std::vector<FrameCanvas> tiles_;
};

}  // namespace pictavo
