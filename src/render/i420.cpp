#include "render/i420.h"

#include <cstring>

#include "render/argb.h"

namespace pictavo {
namespace {

inline std::uint32_t load(const std::uint8_t* row, int x) {
  std::uint32_t value;
  std::memcpy(&value, row + 4 * static_cast<std::ptrdiff_t>(x), sizeof value);
  return value;
}

// Simple loops over whole rows, so that the compiler can vectorise them; the two
// rows of a chroma block are still in the cache when their chroma is computed.
void luma_row(const std::uint8_t* row, int width, std::uint8_t* y_out) {
  for (int x = 0; x < width; ++x) {
    const std::uint32_t p = load(row, x);
    y_out[x] = static_cast<std::uint8_t>(
        ((66 * red_of(p) + 129 * green_of(p) + 25 * blue_of(p)) >> 8) + 16);
  }
}

void chroma_row(const std::uint8_t* top, const std::uint8_t* bottom, int chroma_width,
                std::uint8_t* u_out, std::uint8_t* v_out) {
  for (int x = 0; x < chroma_width; ++x) {
    const std::uint32_t a = load(top, 2 * x);
    const std::uint32_t b = load(top, 2 * x + 1);
    const std::uint32_t c = load(bottom, 2 * x);
    const std::uint32_t d = load(bottom, 2 * x + 1);
    const int sum_r = red_of(a) + red_of(b) + red_of(c) + red_of(d);
    const int sum_g = green_of(a) + green_of(b) + green_of(c) + green_of(d);
    const int sum_b = blue_of(a) + blue_of(b) + blue_of(c) + blue_of(d);
    // >> on a negative int rounds toward minus infinity (defined since C++20).
    u_out[x] = static_cast<std::uint8_t>(((112 * sum_b - 74 * sum_g - 38 * sum_r) >> 10) + 128);
    v_out[x] = static_cast<std::uint8_t>(((112 * sum_r - 94 * sum_g - 18 * sum_b) >> 10) + 128);
  }
}

}  // namespace

void rgb24_to_i420(const std::uint8_t* pixels, std::ptrdiff_t stride, int width, int height,
                   std::uint8_t* yuv) {
  if (width <= 0 || height <= 0) return;
  const int chroma_width = width / 2;
  const int chroma_height = height / 2;
  std::uint8_t* const y_plane = yuv;
  std::uint8_t* const u_plane = y_plane + static_cast<std::size_t>(width) * height;
  std::uint8_t* const v_plane = u_plane + static_cast<std::size_t>(chroma_width) * chroma_height;

  for (int row = 0; row < height; ++row) {
    const std::uint8_t* line = pixels + row * stride;
    luma_row(line, width, y_plane + static_cast<std::size_t>(row) * width);
    if (row % 2 == 1) {
      const std::size_t chroma_offset = static_cast<std::size_t>(row / 2) * chroma_width;
      chroma_row(line - stride, line, chroma_width, u_plane + chroma_offset,
                 v_plane + chroma_offset);
    }
  }
}

}  // namespace pictavo
