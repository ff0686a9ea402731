#include "image/area_reducer.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "image/image_codec.h"

namespace pictavo {

std::optional<AreaReducer::Size> AreaReducer::reduced_size(const TargetSize& target, int width,
                                                           int height) {
  const double scale = target.scale_needed(width, height);
  const Size size{std::max(1, static_cast<int>(std::lround(width * scale))),
                  std::max(1, static_cast<int>(std::lround(height * scale)))};
  if (size.width >= width || size.height >= height) return std::nullopt;
  return size;
}

std::vector<AreaReducer::Span> AreaReducer::spans(int from, int to) {
  std::vector<Span> spans(static_cast<std::size_t>(to));
  for (int i = 0; i < to; ++i) {
    // New pixel i covers [i × from, (i + 1) × from); old pixel j covers
    // [j × to, (j + 1) × to) in the same units.
    const std::int64_t begin = static_cast<std::int64_t>(i) * from;
    const std::int64_t end = begin + from;
    Span& span = spans[static_cast<std::size_t>(i)];
    span.first = static_cast<int>(begin / to);
    for (std::int64_t j = span.first; j * to < end; ++j) {
      const std::int64_t overlap = std::min(end, (j + 1) * to) - std::max(begin, j * to);
      span.weights.push_back(static_cast<std::uint32_t>(overlap));
    }
  }
  return spans;
}

std::optional<AreaReducer> AreaReducer::create(int from_width, int from_height, Image into) {
  if (!into.is_valid() || into.layout() == PixelLayout::kIndexed || into.width() >= from_width ||
      into.height() >= from_height)
    return std::nullopt;
  try {
    return AreaReducer(from_width, from_height, std::move(into));
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

AreaReducer::AreaReducer(int from_width, int from_height, Image into)
    : from_width_(from_width),
      from_height_(from_height),
      channels_(into.layout() == PixelLayout::kBgra ? 4 : 3),
      columns_(spans(from_width, into.width())),
      rows_(spans(from_height, into.height())),
      row_sums_(static_cast<std::size_t>(into.width()) * 4),
      sums_(static_cast<std::size_t>(into.width()) * 4 * 2),
      into_(std::move(into)) {}

void AreaReducer::add_row(const std::uint8_t* pixels) {
  if (next_row_ >= from_height_) return;
  const int j = next_row_++;
  std::uint32_t* row_sum = row_sums_.data();
  for (const Span& column : columns_) {
    const std::uint8_t* p = pixels + 4 * column.first;
    std::uint32_t b = 0, g = 0, r = 0, a = 0;
    for (const std::uint32_t weight : column.weights) {
      b += p[0] * weight;
      g += p[1] * weight;
      r += p[2] * weight;
      a += p[3] * weight;
      p += 4;
    }
    row_sum[0] = b;
    row_sum[1] = g;
    row_sum[2] = r;
    row_sum[3] = a;
    row_sum += 4;
  }
  const std::size_t values = row_sums_.size();
  for (int slot = 0; slot < 2 && current_ + slot < into_.height(); ++slot) {
    const Span& span = rows_[static_cast<std::size_t>(current_ + slot)];
    const int k = j - span.first;
    if (k < 0 || k >= static_cast<int>(span.weights.size())) continue;
    const std::uint64_t weight = span.weights[static_cast<std::size_t>(k)];
    std::uint64_t* sum = sums_.data() + slot * values;
    for (std::size_t i = 0; i < values; ++i)
      sum[i] += row_sums_[i] * weight;
  }
  const Span& span = rows_[static_cast<std::size_t>(current_)];
  if (j == span.first + static_cast<int>(span.weights.size()) - 1) {
    emit_row(current_++);
    std::copy(sums_.begin() + static_cast<std::ptrdiff_t>(values), sums_.end(), sums_.begin());
    std::fill(sums_.begin() + static_cast<std::ptrdiff_t>(values), sums_.end(), 0);
  }
}

void AreaReducer::emit_row(int y) {
  const std::uint64_t area = static_cast<std::uint64_t>(from_width_) * from_height_;
  std::uint8_t* out = into_.row(y);
  const std::uint64_t* sum = sums_.data();
  for (int x = 0; x < into_.width(); ++x, out += 4, sum += 4) {
    for (int channel = 0; channel < channels_; ++channel)
      out[channel] = static_cast<std::uint8_t>((sum[channel] + area / 2) / area);
    if (channels_ == 3) out[3] = 255;
  }
}

}  // namespace pictavo
