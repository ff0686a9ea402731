#include "render/slice_drawer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace pictavo {
namespace {

// Below this extent a slice or a plane has no area to draw.
constexpr float kMinExtent = 1e-4f;
constexpr std::uint32_t kOpaque = 0xFF000000u;
// Positions along a slice in 16.16 fixed point.
constexpr int kFractionBits = 16;
constexpr std::int64_t kUnitStep = std::int64_t{1} << kFractionBits;

std::uint32_t load(const std::uint8_t* pixel) {
  std::uint32_t value;
  std::memcpy(&value, pixel, sizeof value);
  return value;
}

void store(std::uint8_t* pixel, std::uint32_t value) {
  std::memcpy(pixel, &value, sizeof value);
}

// The premultiplied `colour` laid over the opaque `below`.
std::uint32_t over(std::uint32_t colour, std::uint32_t below) {
  const std::uint32_t keep = 255 - (colour >> 24);
  std::uint32_t red_blue = (below & 0x00FF00FF) * keep + 0x00800080;
  red_blue = ((red_blue + ((red_blue >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
  std::uint32_t green = ((below >> 8) & 0x000000FF) * keep + 0x80;
  green = ((green + (green >> 8)) >> 8) << 8;
  return (colour + red_blue + green) | kOpaque;
}

// Two pixels side by side with their channels in 16-bit lanes, so that weighted
// sums of them with weights adding up to 256 fit the lanes.
using PixelBytes = std::uint8_t __attribute__((vector_size(8)));
using PixelLanes = std::uint16_t __attribute__((vector_size(16)));

PixelLanes widen(std::uint32_t first, std::uint32_t second) {
  const std::uint32_t pair[2] = {first, second};
  PixelBytes bytes;
  std::memcpy(&bytes, pair, sizeof bytes);
  return __builtin_convertvector(bytes, PixelLanes);
}

// The first pixel's weighted sum plus the second's, rounded back to a pixel.
std::uint32_t narrow_sum(PixelLanes sum) {
  sum += __builtin_shufflevector(sum, sum, 4, 5, 6, 7, 0, 1, 2, 3);
  const PixelBytes bytes = __builtin_convertvector((sum + 128) >> 8, PixelBytes);
  std::uint32_t pixel;
  std::memcpy(&pixel, &bytes, sizeof pixel);
  return pixel;
}

// One slice of a picture: its pixels and how many there are. Samples outside
// it, and everywhere along a missing slice, are transparent.
struct SourceSlice {
  const std::uint8_t* pixels = nullptr;  // null beyond the picture's outer slices
  std::ptrdiff_t step = 0;
  int length = 0;

  // Pixel `index`, which must lie in the slice.
  std::uint32_t operator[](std::int64_t index) const { return load(pixels + index * step); }
  // Pixel `index` made opaque, or transparent outside the slice.
  std::uint32_t at(std::int64_t index) const {
    if (pixels == nullptr || index < 0 || index >= length) return 0;
    return (*this)[index] | kOpaque;
  }
};

// Two neighbouring slices of a picture and how far between them, `across` / 256
// of the way from the first to the second, a slice is sampled.
struct SlicePair {
  SourceSlice near;
  SourceSlice next;
  std::uint32_t across = 0;

  // Pixels `index` and `second` blended across the slices; with kInside both
  // must lie in them, else those outside are transparent.
  template <bool kInside>
  PixelLanes blend(std::int64_t index, std::int64_t second) const {
    const auto taps = [&](const SourceSlice& slice) {
      if constexpr (kInside) return widen(slice[index], slice[second]);
      return widen(slice.at(index), slice.at(second));
    };
    const PixelLanes pair = taps(near);
    if (across == 0) return pair;
    const auto near_weight = static_cast<std::uint16_t>(256 - across);
    const auto next_weight = static_cast<std::uint16_t>(across);
    return (pair * near_weight + taps(next) * next_weight + 128) >> 8;
  }
};

// Target pixels along a slice and the source positions they sample, in 16.16
// fixed point.
struct Run {
  std::uint8_t* out;
  std::ptrdiff_t out_step;
  std::int64_t position;
  std::int64_t step;

  void advance(std::int64_t pixels) {
    position += pixels * step;
    out += pixels * out_step;
  }
  // 256 − along for the first tap of the current position's sample, along for
  // the second (0xFFFF × along wraps to −along).
  PixelLanes along_weights() const {
    const auto along = static_cast<std::uint16_t>((position >> (kFractionBits - 8)) & 0xFF);
    const PixelLanes base = {256, 256, 256, 256, 0, 0, 0, 0};
    const PixelLanes sign = {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 1, 1, 1, 1};
    return base + sign * along;
  }
};

// Draws `count` pixels of a slice, each the bilinear sample of the two source
// slices at its position. Inside, every tap lies in the picture: the bulk of a
// slice, drawn without checks. Elsewhere taps beyond the picture are
// transparent and the sample is laid over what is below by its coverage.
template <bool kInside>
void draw_run(Run run, SlicePair slices, int count) {
  for (int i = 0; i < count; ++i, run.advance(1)) {
    const std::int64_t index = run.position >> kFractionBits;
    const PixelLanes sample = slices.blend<kInside>(index, index + 1);
    const std::uint32_t colour = narrow_sum(sample * run.along_weights());
    if constexpr (kInside) {
      store(run.out, colour | kOpaque);
    } else {
      const std::uint32_t alpha = colour >> 24;
      if (alpha == 255) {
        store(run.out, colour);
      } else if (alpha != 0) {
        store(run.out, over(colour, load(run.out)));
      }
    }
  }
}

// draw_run<true> for a slice drawn at its own length: every pixel then lies the
// same share of the way between two source pixels, and the blend across the
// slices of one source pixel serves two target pixels. Target pixels go in
// pairs, with the same sums as draw_run's, so both give the same colours.
void draw_unscaled_run(Run run, SlicePair slices, int count) {
  if (count <= 0) return;
  const auto along = static_cast<std::uint16_t>((run.position >> (kFractionBits - 8)) & 0xFF);
  const auto above_weight = static_cast<std::uint16_t>(256 - along);
  // A pair reads up to two source pixels past its own first one; the last
  // pixels, whose second tap is the last readable one, go to draw_run.
  const std::int64_t first = run.position >> kFractionBits;
  PixelLanes upper = slices.blend<true>(first, first + 1);
  int done = 0;
  for (; done + 3 <= count; done += 2) {
    const PixelLanes after = slices.blend<true>(first + done + 2, first + done + 3);
    const PixelLanes lower = __builtin_shufflevector(upper, after, 4, 5, 6, 7, 8, 9, 10, 11);
    const PixelLanes mixed = (upper * above_weight + lower * along + 128) >> 8;
    const PixelBytes bytes = __builtin_convertvector(mixed, PixelBytes);
    std::uint32_t pair[2];
    std::memcpy(pair, &bytes, sizeof pair);
    store(run.out, pair[0] | kOpaque);
    store(run.out + run.out_step, pair[1] | kOpaque);
    run.advance(2);
    upper = after;
  }
  draw_run<true>(run, slices, count - done);
}

// Source pixels whose blends across the slices draw_stretched_run keeps at once.
constexpr int kBlendedPixels = 256;

// draw_run<true> for a slice drawn at half its length or more, where most
// source pixels serve two target pixels or more: the blends across the two
// slices go first, once for each source pixel, into a buffer, and each target
// pixel blends two neighbours in the buffer along the slice. The same sums as
// draw_run's, so both give the same colours.
void draw_stretched_run(Run run, SlicePair slices, int count) {
  // Four lanes a pixel, and room for a pair written past the last one.
  std::uint16_t blended[4 * (kBlendedPixels + 1)];
  while (count > 0) {
    // The source pixels the next target pixels read, as many as fit.
    const std::int64_t first = run.position >> kFractionBits;
    const std::int64_t last_read = ((run.position + (count - 1) * run.step) >> kFractionBits) + 1;
    const std::int64_t last = std::min(first + kBlendedPixels - 1, last_read);
    for (std::int64_t index = first; index <= last; index += 2) {
      const PixelLanes pair = slices.blend<true>(index, std::min(index + 1, last));
      std::memcpy(blended + 4 * (index - first), &pair, sizeof pair);
    }
    for (; count > 0; --count, run.advance(1)) {
      const std::int64_t index = run.position >> kFractionBits;
      if (index + 1 > last) break;
      PixelLanes taps;
      std::memcpy(&taps, blended + 4 * (index - first), sizeof taps);
      store(run.out, narrow_sum(taps * run.along_weights()) | kOpaque);
    }
  }
}

// How many steps from `position` it takes to reach `limit` or beyond.
std::int64_t steps_to(std::int64_t position, std::int64_t step, std::int64_t limit) {
  return position >= limit ? 0 : (limit - position + step - 1) / step;
}

double clamp_to(double value, int limit) {
  return std::clamp(value, 0.0, static_cast<double>(limit));
}

// The target slices [begin, end) that a plane between the slice positions `a`
// and `b` can touch, the outer ones blending with what is below.
struct LineRange {
  int begin = 0;
  int end = 0;
};

LineRange lines_between(double a, double b, int lines) {
  return {static_cast<int>(clamp_to(std::floor(std::min(a, b)) - 1, lines)),
          static_cast<int>(clamp_to(std::ceil(std::max(a, b)) + 1, lines))};
}

}  // namespace

SliceDrawer::SliceDrawer(FrameCanvas& target, SliceAxis axis)
    : target_(target), axis_(axis), grid_(grid(target)), pixels_(target.mutable_pixels()) {}

SliceDrawer::~SliceDrawer() {
  target_.pixels_changed();
}

SliceDrawer::Grid SliceDrawer::grid(const FrameCanvas& canvas) const {
  Grid grid;
  if (!canvas.valid()) return grid;
  grid.pixels = canvas.pixels();
  if (axis_ == SliceAxis::kColumns) {
    grid.line_step = 4;
    grid.along_step = canvas.stride();
    grid.lines = canvas.width();
    grid.length = canvas.height();
  } else {
    grid.line_step = canvas.stride();
    grid.along_step = 4;
    grid.lines = canvas.height();
    grid.length = canvas.width();
  }
  return grid;
}

void SliceDrawer::draw(const FrameCanvas& source, int line, float source_line, float start,
                       float length) {
  if (pixels_ == nullptr || line < 0 || line >= grid_.lines || !std::isfinite(start) ||
      !std::isfinite(length) || length <= kMinExtent)
    return;
  const Grid from = grid(source);
  const float line_floor = std::floor(source_line);
  if (!(line_floor >= -1.0f && line_floor < static_cast<float>(from.lines))) return;

  // The two source slices the position lies between, and the second one's weight.
  int near_line = static_cast<int>(line_floor);
  auto across = static_cast<std::uint32_t>(std::lround((source_line - line_floor) * 256.0f));
  if (across == 256) {
    ++near_line;
    across = 0;
  }
  const auto slice_at = [&from](int index) {
    if (index < 0 || index >= from.lines) return SourceSlice{nullptr, 0, 0};
    return SourceSlice{from.pixels + index * from.line_step, from.along_step, from.length};
  };
  const SlicePair slices{slice_at(near_line), slice_at(near_line + 1), across};
  const bool has_near = slices.near.pixels != nullptr;
  const bool has_next = across == 0 || slices.next.pixels != nullptr;
  if (!has_near && !has_next) return;

  // Target pixel p samples the source slice at s(p) = (p + 0.5 − start) × scale − 0.5;
  // only where −1 < s(p) < the slice's length does any of it show.
  const double scale = from.length / static_cast<double>(length);
  const double lowest = start - 0.5 - 0.5 / scale;
  const double highest = start - 0.5 + (from.length + 0.5) / scale;
  const int first = static_cast<int>(clamp_to(std::floor(lowest) + 1, grid_.length));
  const int end = static_cast<int>(clamp_to(std::ceil(highest), grid_.length));
  if (first >= end) return;

  constexpr double kOne = 1 << kFractionBits;
  const std::int64_t position = std::llround(((first + 0.5 - start) * scale - 0.5) * kOne);
  const std::int64_t step = std::max<std::int64_t>(std::llround(scale * kOne), 1);
  const auto run_from = [&](int p) {
    return Run{pixels_ + line * grid_.line_step + p * grid_.along_step, grid_.along_step,
               position + (p - first) * step, step};
  };
  // Inside: both taps of every slice read lie in the picture.
  int inside_first = end;
  int inside_end = end;
  if (has_near && has_next) {
    const std::int64_t last_inside = std::int64_t{from.length - 1} << kFractionBits;
    inside_first =
        first + static_cast<int>(std::min<std::int64_t>(steps_to(position, step, 0), end - first));
    inside_end = first + static_cast<int>(std::min<std::int64_t>(
                             steps_to(position, step, last_inside), end - first));
    inside_end = std::max(inside_end, inside_first);
  }
  draw_run<false>(run_from(first), slices, inside_first - first);
  const Run inside = run_from(inside_first);
  const int inside_count = inside_end - inside_first;
  if (step == kUnitStep) {
    draw_unscaled_run(inside, slices, inside_count);
  } else if (step <= 2 * kUnitStep) {
    draw_stretched_run(inside, slices, inside_count);
  } else {
    draw_run<true>(inside, slices, inside_count);
  }
  draw_run<false>(run_from(inside_end), slices, end - inside_end);
}

void SliceDrawer::copy(const FrameCanvas& source, int first, int last) {
  const Grid from = grid(source);
  first = std::max(first, 0);
  last = std::min({last, grid_.lines, from.lines});
  const int length = std::min(grid_.length, from.length);
  if (pixels_ == nullptr || first >= last) return;
  if (axis_ == SliceAxis::kRows) {
    for (int line = first; line < last; ++line)
      std::memcpy(pixels_ + line * grid_.line_step, from.pixels + line * from.line_step,
                  static_cast<std::size_t>(length) * 4);
    return;
  }
  // Columns side by side share each row: copy the run of them row by row.
  const auto bytes = static_cast<std::size_t>(last - first) * 4;
  for (int p = 0; p < length; ++p)
    std::memcpy(pixels_ + p * grid_.along_step + first * 4,
                from.pixels + p * from.along_step + first * 4, bytes);
}

void SliceDrawer::draw_plane(const FrameCanvas& source, const PlaneEdge& first,
                             const PlaneEdge& last, PlaneSpacing spacing) {
  const double span = static_cast<double>(last.position) - first.position;
  const int source_lines = grid(source).lines;
  if (pixels_ == nullptr || source_lines == 0 || !(std::fabs(span) > kMinExtent)) return;
  const double first_length = static_cast<double>(first.end) - first.start;
  const double last_length = static_cast<double>(last.end) - last.start;
  const bool perspective =
      spacing == PlaneSpacing::kPerspective && first_length > 0 && last_length > 0;

  const LineRange range = lines_between(first.position, last.position, grid_.lines);
  for (int line = range.begin; line < range.end; ++line) {
    // t: 0 on the first edge, 1 on the last; beyond them outside 0 … 1.
    const double t = (line + 0.5 - first.position) / span;
    double fraction = t;  // how far into the picture, 0 … 1
    if (perspective) {
      // Lengths on screen shrink with distance, and distance grows evenly along
      // the plane: the picture's fraction at screen fraction t.
      const double weight = last_length * t + first_length * (1 - t);
      if (!(weight > 0)) continue;
      fraction = last_length * t / weight;
    }
    double source_line = fraction * source_lines - 0.5;
    const double beyond = (t < 0 ? -t : t - 1) * std::fabs(span);  // pixels past an edge
    if (t < 0 && first.hard) {
      if (beyond >= 1) continue;
      source_line = std::max(source_line, 0.0);
    } else if (t > 1 && last.hard) {
      if (beyond >= 1) continue;
      source_line = std::min(source_line, source_lines - 1.0);
    } else if (t >= 0 && t <= 1) {
      if (first.hard) source_line = std::max(source_line, 0.0);
      if (last.hard) source_line = std::min(source_line, source_lines - 1.0);
    }
    // Even spacing tapers slice i by i / lines of the difference between the
    // edges; perspective keeps the plane's outline straight on screen.
    const double taper = perspective ? t : source_line / source_lines;
    const double start = first.start + (last.start - first.start) * taper;
    const double finish = first.end + (last.end - first.end) * taper;
    draw(source, line, static_cast<float>(source_line), static_cast<float>(start),
         static_cast<float>(finish - start));
  }
}

void SliceDrawer::draw(const FrameCanvas& source, const Parallelogram& target) {
  const int source_lines = grid(source).lines;
  if (pixels_ == nullptr || source_lines == 0) return;
  const bool columns = axis_ == SliceAxis::kColumns;
  const auto across = [columns](const PointF& p) {
    return static_cast<double>(columns ? p.x : p.y);
  };
  const auto along = [columns](const PointF& p) {
    return static_cast<double>(columns ? p.y : p.x);
  };
  // The picture's edge across its slices runs from the corner, at its first
  // slice, to past its last one; every slice is as long as its side along them.
  const PointF& corner = target.upper_left;
  const PointF& edge_end = columns ? target.upper_right : target.lower_left;
  const PointF& side_end = columns ? target.lower_left : target.upper_right;
  const double span = across(edge_end) - across(corner);
  const double rise = along(edge_end) - along(corner);
  const double length = along(side_end) - along(corner);
  if (!(std::fabs(span) > kMinExtent)) return;

  const LineRange range = lines_between(across(corner), across(edge_end), grid_.lines);
  for (int line = range.begin; line < range.end; ++line) {
    // How far into the picture the target slice's centre lies, 0 … 1.
    const double fraction = (line + 0.5 - across(corner)) / span;
    draw(source, line, static_cast<float>(fraction * source_lines - 0.5),
         static_cast<float>(along(corner) + rise * fraction), static_cast<float>(length));
  }
}

}  // namespace pictavo
