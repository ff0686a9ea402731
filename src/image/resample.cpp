#include "image/resample.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "image/area_reducer.h"

namespace pictavo {
namespace {

// For every target pixel along one axis: the two source pixels it lies between and
// the weight of the second one, in 1/256.
struct BilinearTap {
  int first;
  int second;
  int weight;
};

std::vector<BilinearTap> bilinear_taps(int from, int to) {
  std::vector<BilinearTap> taps(static_cast<std::size_t>(to));
  const double step = static_cast<double>(from) / to;
  for (int i = 0; i < to; ++i) {
    const double position = std::clamp((i + 0.5) * step - 0.5, 0.0, from - 1.0);
    const int first = static_cast<int>(position);
    const int weight = static_cast<int>((position - first) * 256.0 + 0.5);
    taps[static_cast<std::size_t>(i)] = {first, std::min(first + 1, from - 1), weight};
  }
  return taps;
}

void bilinear(const Image& from, Image& to) {
  const std::vector<BilinearTap> columns = bilinear_taps(from.width(), to.width());
  const std::vector<BilinearTap> rows = bilinear_taps(from.height(), to.height());
  for (int y = 0; y < to.height(); ++y) {
    const BilinearTap& ty = rows[static_cast<std::size_t>(y)];
    const std::uint8_t* top = from.row(ty.first);
    const std::uint8_t* bottom = from.row(ty.second);
    std::uint8_t* out = to.row(y);
    for (const BilinearTap& tx : columns) {
      const std::uint8_t* a = top + 4 * tx.first;
      const std::uint8_t* b = top + 4 * tx.second;
      const std::uint8_t* c = bottom + 4 * tx.first;
      const std::uint8_t* d = bottom + 4 * tx.second;
      for (int channel = 0; channel < 4; ++channel) {
        const int upper = a[channel] * (256 - tx.weight) + b[channel] * tx.weight;
        const int lower = c[channel] * (256 - tx.weight) + d[channel] * tx.weight;
        out[channel] = static_cast<std::uint8_t>(
            (upper * (256 - ty.weight) + lower * ty.weight + 32768) >> 16);
      }
      out += 4;
    }
  }
}

}  // namespace

bool resample(Image& image, int width, int height) {
  if (!image.is_valid() || width <= 0 || height <= 0) return false;
  if (width == image.width() && height == image.height()) return true;
  Image expanded;
  const Image* source = &image;
  if (image.layout() == PixelLayout::kIndexed) {
    expanded = image;
    if (!expanded.expand_to_colour()) return false;
    source = &expanded;
  }
  std::optional<Image> resampled = source->allocate_like(width, height);
  if (!resampled) return false;
  const bool shrinks_both_ways = width < source->width() && height < source->height();
  if (source->layout() == PixelLayout::kBgrx && shrinks_both_ways) {
    std::optional<AreaReducer> reducer =
        AreaReducer::create(source->width(), source->height(), std::move(*resampled));
    if (!reducer) return false;
    for (int y = 0; y < source->height(); ++y)
      reducer->add_row(source->row(y));
    image = reducer->take();
    return true;
  }
  bilinear(*source, *resampled);
  image = std::move(*resampled);
  return true;
}

}  // namespace pictavo
