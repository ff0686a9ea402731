#include "image/resample.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

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

// For every target pixel along one axis, the source pixels it covers and by how
// much, in units of 1/from of a target pixel: the weights of one target pixel add
// up to `from`.
struct AreaSpan {
  int first;
  std::vector<std::uint32_t> weights;
};

std::vector<AreaSpan> area_spans(int from, int to) {
  std::vector<AreaSpan> spans(static_cast<std::size_t>(to));
  for (int i = 0; i < to; ++i) {
    // Target pixel i covers [i × from, (i + 1) × from); source pixel j covers
    // [j × to, (j + 1) × to) in the same units.
    const std::int64_t begin = static_cast<std::int64_t>(i) * from;
    const std::int64_t end = begin + from;
    AreaSpan& span = spans[static_cast<std::size_t>(i)];
    span.first = static_cast<int>(begin / to);
    for (std::int64_t j = span.first; j * to < end; ++j) {
      const std::int64_t overlap = std::min(end, (j + 1) * to) - std::max(begin, j * to);
      span.weights.push_back(static_cast<std::uint32_t>(overlap));
    }
  }
  return spans;
}

void area_average(const Image& from, Image& to) {
  const std::vector<AreaSpan> columns = area_spans(from.width(), to.width());
  const std::vector<AreaSpan> rows = area_spans(from.height(), to.height());
  const std::uint64_t area = static_cast<std::uint64_t>(from.width()) * from.height();
  const std::size_t values = static_cast<std::size_t>(to.width()) * 3;
  std::vector<std::uint32_t> row_sums(values);
  std::vector<std::uint64_t> sums(values);
  for (int y = 0; y < to.height(); ++y) {
    std::fill(sums.begin(), sums.end(), 0);
    const AreaSpan& ry = rows[static_cast<std::size_t>(y)];
    for (std::size_t k = 0; k < ry.weights.size(); ++k) {
      const std::uint8_t* in = from.row(ry.first + static_cast<int>(k));
      for (std::size_t x = 0; x < columns.size(); ++x) {
        const AreaSpan& cx = columns[x];
        const std::uint8_t* p = in + 4 * cx.first;
        std::uint32_t b = 0, g = 0, r = 0;
        for (const std::uint32_t weight : cx.weights) {
          b += p[0] * weight;
          g += p[1] * weight;
          r += p[2] * weight;
          p += 4;
        }
        row_sums[3 * x] = b;
        row_sums[3 * x + 1] = g;
        row_sums[3 * x + 2] = r;
      }
      const std::uint64_t weight = ry.weights[k];
      for (std::size_t i = 0; i < values; ++i)
        sums[i] += row_sums[i] * weight;
    }
    std::uint8_t* out = to.row(y);
    for (std::size_t x = 0; x < columns.size(); ++x) {
      for (int channel = 0; channel < 3; ++channel) {
        out[channel] = static_cast<std::uint8_t>((sums[3 * x + channel] + area / 2) / area);
      }
      out[3] = 255;
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
    area_average(*source, *resampled);
  } else {
    bilinear(*source, *resampled);
  }
  image = std::move(*resampled);
  return true;
}

}  // namespace pictavo
