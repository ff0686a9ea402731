#include "image/light.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace pictavo {

bool light(Image& image, int brightness, int contrast) {
  if (!image.is_valid()) return false;
  std::array<std::uint8_t, 256> table{};
  for (int v = 0; v < 256; ++v) {
    const double mapped = brightness + 128 + (contrast + 100) * 0.01 * (v - 128);
    table[static_cast<std::size_t>(v)] =
        static_cast<std::uint8_t>(std::clamp(mapped, 0.0, 255.0));  // truncates
  }
  if (image.layout() == PixelLayout::kIndexed) {
    std::vector<RgbQuad> palette(image.palette().begin(), image.palette().end());
    for (RgbQuad& colour : palette) {
      colour.blue = table[colour.blue];
      colour.green = table[colour.green];
      colour.red = table[colour.red];
    }
    image.set_palette(std::move(palette));
    return true;
  }
  for (int y = 0; y < image.height(); ++y) {
    std::uint8_t* p = image.row(y);
    for (int x = 0; x < image.width(); ++x, p += 4) {
      p[0] = table[p[0]];
      p[1] = table[p[1]];
      p[2] = table[p[2]];
    }
  }
  return true;
}

}  // namespace pictavo
