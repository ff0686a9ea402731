#include "render/i420.h"

#include <cstring>

namespace pictavo {
namespace {

struct Rgb {
  int r;
  int g;
  int b;
};

inline Rgb load(const std::uint8_t* pixel) {
  std::uint32_t value;
  std::memcpy(&value, pixel, sizeof value);
  return {static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 8) & 0xFF),
          static_cast<int>(value & 0xFF)};
}

inline std::uint8_t luma(Rgb p) {
  return static_cast<std::uint8_t>(((66 * p.r + 129 * p.g + 25 * p.b) >> 8) + 16);
}

// Luma of one row, for an odd last row.
void luma_row(const std::uint8_t* row, int width, std::uint8_t* y_out) {
  for (int x = 0; x < width; ++x)
    y_out[x] = luma(load(row + 4 * x));
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

  for (int row = 0; row < chroma_height; ++row) {
    const std::uint8_t* top = pixels + 2 * row * stride;
    const std::uint8_t* bottom = top + stride;
    std::uint8_t* y_top = y_plane + static_cast<std::size_t>(2 * row) * width;
    std::uint8_t* y_bottom = y_top + width;
    std::uint8_t* u = u_plane + static_cast<std::size_t>(row) * chroma_width;
    std::uint8_t* v = v_plane + static_cast<std::size_t>(row) * chroma_width;
    for (int column = 0; column < chroma_width; ++column) {
      const Rgb a = load(top + 8 * column);
      const Rgb b = load(top + 8 * column + 4);
      const Rgb c = load(bottom + 8 * column);
      const Rgb d = load(bottom + 8 * column + 4);
      y_top[2 * column] = luma(a);
      y_top[2 * column + 1] = luma(b);
      y_bottom[2 * column] = luma(c);
      y_bottom[2 * column + 1] = luma(d);
      const int sum_r = a.r + b.r + c.r + d.r;
      const int sum_g = a.g + b.g + c.g + d.g;
      const int sum_b = a.b + b.b + c.b + d.b;
      // >> on a negative int rounds toward minus infinity (defined since C++20).
      u[column] = static_cast<std::uint8_t>(((112 * sum_b - 74 * sum_g - 38 * sum_r) >> 10) + 128);
      v[column] = static_cast<std::uint8_t>(((112 * sum_r - 94 * sum_g - 18 * sum_b) >> 10) + 128);
    }
    if (width % 2 != 0) {
      y_top[width - 1] = luma(load(top + 4 * (width - 1)));
      y_bottom[width - 1] = luma(load(bottom + 4 * (width - 1)));
    }
  }
  if (height % 2 != 0) {
    luma_row(pixels + (height - 1) * stride, width,
             y_plane + static_cast<std::size_t>(height - 1) * width);
  }
}

}  // namespace pictavo
