#pragma once

#include <array>

#include "image/image.h"

namespace pictavo {

// A 3 × 3 convolution: weights row by row, top row first.
struct Kernel3x3 {
  std::array<int, 9> weights;
  int divisor;
  int offset;
};

inline constexpr Kernel3x3 kSoftenKernel{{1, 1, 1, 1, 8, 1, 1, 1, 1}, 16, 0};
inline constexpr Kernel3x3 kSharpenKernel{{-1, -1, -1, -1, 15, -1, -1, -1, -1}, 7, 0};

// Every colour channel of every pixel becomes offset + (sum of weight × neighbour)
// / divisor, in integer division (truncating toward zero; a divisor of 0 counts as
// 1), clamped to 0..255, all from the unfiltered picture. Neighbours beyond the
// border are the nearest border pixel, so flat areas stay flat up to the edges.
// Indexed pictures are expanded to colour first; alpha is kept.
bool filter(Image& image, const Kernel3x3& kernel);

inline bool soften(Image& image) {
  return filter(image, kSoftenKernel);
}
inline bool sharpen(Image& image) {
  return filter(image, kSharpenKernel);
}

}  // namespace pictavo
