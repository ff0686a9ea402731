#include "image/mix.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>

namespace pictavo {
namespace {

RgbQuad overlay_colour(const Image& overlay, int x, int y) {
  RgbQuad colour = overlay.pixel(x, y);
  const std::optional<RgbQuad> transparent = overlay.transparent_colour();
  if (transparent && colour.red == transparent->red && colour.green == transparent->green &&
      colour.blue == transparent->blue) {
    colour.alpha = 0;
  }
  return colour;
}

std::uint8_t blend(int over, int under, int alpha) {
  return static_cast<std::uint8_t>((over * alpha + under * (255 - alpha) + 127) / 255);
}

// Straight-alpha "over": the result's alpha and colour as if both layers were
// premultiplied, then divided out again.
void blend_onto_alpha(std::uint8_t* under, RgbQuad over) {
  const int top = over.alpha;
  const int bottom = under[3] * (255 - top);  // in 1/255 steps
  const int alpha = top * 255 + bottom;       // result alpha × 255
  if (alpha == 0) {
    std::memset(under, 0, 4);
    return;
  }
  const int over_channels[3] = {over.blue, over.green, over.red};
  for (int c = 0; c < 3; ++c) {
    under[c] = static_cast<std::uint8_t>(
        (over_channels[c] * top * 255 + under[c] * bottom + alpha / 2) / alpha);
  }
  under[3] = static_cast<std::uint8_t>((alpha + 127) / 255);
}

}  // namespace

bool mix(Image& image, const Image& overlay, MixOperation operation, int x, int y) {
  if (operation != MixOperation::kOverlay || !overlay.is_valid()) return false;
  if (!image.expand_to_colour()) return false;
  const int left = std::max(x, 0);
  const int top = std::max(y, 0);
  const int right = static_cast<int>(std::min<long>(image.width(), long{x} + overlay.width()));
  const int bottom = static_cast<int>(std::min<long>(image.height(), long{y} + overlay.height()));
  const bool with_alpha = image.layout() == PixelLayout::kBgra;
  for (int row = top; row < bottom; ++row) {
    std::uint8_t* p = image.row(row) + 4 * static_cast<std::size_t>(left);
    for (int column = left; column < right; ++column, p += 4) {
      const RgbQuad over = overlay_colour(overlay, column - x, row - y);
      if (over.alpha == 0) continue;
      if (with_alpha) {
        blend_onto_alpha(p, over);
      } else {
        p[0] = blend(over.blue, p[0], over.alpha);
        p[1] = blend(over.green, p[1], over.alpha);
        p[2] = blend(over.red, p[2], over.alpha);
      }
    }
  }
  return true;
}

}  // namespace pictavo
