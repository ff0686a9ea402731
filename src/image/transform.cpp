#include "image/transform.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

namespace pictavo {
namespace {

// Where a pixel of a w × h picture goes when the picture is turned by a quarter.
enum class QuarterTurn { kClockwise, kAnticlockwise, kTranspose };

template <std::size_t N>
void turn_pixels(const Image& from, Image& to, QuarterTurn turn) {
  const int w = from.width();
  const int h = from.height();
  // Tiles keep both the rows read and the columns written in the cache.
  constexpr int kTile = 32;
  for (int ty = 0; ty < h; ty += kTile) {
    for (int tx = 0; tx < w; tx += kTile) {
      const int y_end = std::min(ty + kTile, h);
      const int x_end = std::min(tx + kTile, w);
      for (int y = ty; y < y_end; ++y) {
        const std::uint8_t* in = from.row(y);
        for (int x = tx; x < x_end; ++x) {
          int to_x = y;
          int to_y = x;
          if (turn == QuarterTurn::kClockwise) to_x = h - 1 - y;
          if (turn == QuarterTurn::kAnticlockwise) to_y = w - 1 - x;
          std::memcpy(to.row(to_y) + static_cast<std::size_t>(to_x) * N, in + x * N, N);
        }
      }
    }
  }
}

bool turn_quarter(Image& image, QuarterTurn turn) {
  if (!image.is_valid()) return false;
  std::optional<Image> turned = image.allocate_like(image.height(), image.width());
  if (!turned) return false;
  if (image.bytes_per_pixel() == 1) {
    turn_pixels<1>(image, *turned, turn);
  } else {
    turn_pixels<4>(image, *turned, turn);
  }
  turned->set_resolution(image.y_dpi(), image.x_dpi());
  image = std::move(*turned);
  return true;
}

template <std::size_t N>
void reverse_pixels(std::uint8_t* first, std::uint8_t* last_plus_one) {
  std::uint8_t* a = first;
  std::uint8_t* b = last_plus_one - N;
  std::uint8_t swap[N];
  for (; a < b; a += N, b -= N) {
    std::memcpy(swap, a, N);
    std::memcpy(a, b, N);
    std::memcpy(b, swap, N);
  }
}

void reverse_run(std::uint8_t* begin, std::size_t bytes, int bytes_per_pixel) {
  if (bytes == 0) return;
  if (bytes_per_pixel == 1) {
    std::reverse(begin, begin + bytes);
  } else {
    reverse_pixels<4>(begin, begin + bytes);
  }
}

}  // namespace

bool crop(Image& image, int left, int top, int right, int bottom) {
  if (!image.is_valid()) return false;
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, image.width());
  bottom = std::min(bottom, image.height());
  if (right <= left || bottom <= top) return false;
  std::optional<Image> cropped = image.allocate_like(right - left, bottom - top);
  if (!cropped) return false;
  const std::size_t offset = static_cast<std::size_t>(left) * image.bytes_per_pixel();
  for (int y = top; y < bottom; ++y) {
    std::memcpy(cropped->row(y - top), image.row(y) + offset, cropped->stride());
  }
  image = std::move(*cropped);
  return true;
}

bool rotate_left(Image& image) {
  return turn_quarter(image, QuarterTurn::kAnticlockwise);
}

bool rotate_right(Image& image) {
  return turn_quarter(image, QuarterTurn::kClockwise);
}

bool transpose(Image& image) {
  return turn_quarter(image, QuarterTurn::kTranspose);
}

bool rotate_180(Image& image) {
  if (!image.is_valid()) return false;
  reverse_run(image.data(), image.stride() * static_cast<std::size_t>(image.height()),
              image.bytes_per_pixel());
  return true;
}

bool flip(Image& image) {
  if (!image.is_valid()) return false;
  for (int top = 0, bottom = image.height() - 1; top < bottom; ++top, --bottom) {
    std::swap_ranges(image.row(top), image.row(top) + image.stride(), image.row(bottom));
  }
  return true;
}

bool mirror(Image& image) {
  if (!image.is_valid()) return false;
  for (int y = 0; y < image.height(); ++y) {
    reverse_run(image.row(y), image.stride(), image.bytes_per_pixel());
  }
  return true;
}

}  // namespace pictavo
