#include "image/filter.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

namespace pictavo {

bool filter(Image& image, const Kernel3x3& kernel) {
  if (!image.expand_to_colour()) return false;
  std::optional<Image> filtered = image.allocate_like(image.width(), image.height());
  if (!filtered) return false;
  const int divisor = kernel.divisor == 0 ? 1 : kernel.divisor;
  const int w = image.width();
  const int h = image.height();
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* rows[3] = {image.row(std::max(y - 1, 0)), image.row(y),
                                   image.row(std::min(y + 1, h - 1))};
    std::uint8_t* out = filtered->row(y);
    for (int x = 0; x < w; ++x) {
      const int columns[3] = {4 * std::max(x - 1, 0), 4 * x, 4 * std::min(x + 1, w - 1)};
      for (int channel = 0; channel < 3; ++channel) {
        int sum = 0;
        for (int ky = 0; ky < 3; ++ky) {
          for (int kx = 0; kx < 3; ++kx) {
            sum += kernel.weights[static_cast<std::size_t>(3 * ky + kx)] *
                   rows[ky][columns[kx] + channel];
          }
        }
        out[4 * x + channel] =
            static_cast<std::uint8_t>(std::clamp(kernel.offset + sum / divisor, 0, 255));
      }
      out[4 * x + 3] = rows[1][4 * x + 3];
    }
  }
  image = std::move(*filtered);
  return true;
}

}  // namespace pictavo
