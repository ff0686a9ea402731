#include "render/strip_tiles.h"

namespace pictavo {

std::vector<Strip> strip_partition(int width, int count) {
  std::vector<Strip> strips;
  if (width <= 0 || count <= 0) return strips;
  const int base = width / count;
  const int wider = width - count * base;
  strips.reserve(static_cast<std::size_t>(count));
  int x = 0;
  for (int i = 0; i < count; ++i) {
    const int strip_width = i < wider ? base + 1 : base;
    strips.push_back(Strip{x, strip_width});
    x += strip_width;
  }
  return strips;
}

StripTiles::StripTiles(const std::vector<Strip>& strips, int height) : strips_(strips) {
  tiles_.reserve(strips_.size());
  for (const Strip& strip : strips_)
    tiles_.emplace_back(strip.width, height, FrameCanvas::Format::kArgb32);
}

void StripTiles::cut(const FrameCanvas& picture, std::size_t index) {
  tiles_[index].draw(picture, static_cast<float>(-strips_[index].x), 0);
}

void StripTiles::cut(const FrameCanvas& picture) {
  for (std::size_t i = 0; i < tiles_.size(); ++i)
    cut(picture, i);
}

}  // namespace pictavo
