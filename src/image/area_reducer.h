#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "image/image.h"

namespace pictavo {

struct TargetSize;

// Reduces a picture in both directions while its rows arrive top to bottom: each
// new pixel is the mean of the old pixels it covers, each weighted by the part it
// covers. It keeps two rows of sums and the reduced picture, never the whole one,
// so that a decoder reading rows reduces a picture of any size in little memory;
// `resample` reduces whole pictures through it too, so both give the same pixels.
class AreaReducer {
 public:
  // The size a picture of width × height is reduced to for `target` (its needed
  // scale, rounded); nothing when that is not smaller in both directions.
  struct Size {
    int width;
    int height;
  };
  static std::optional<Size> reduced_size(const TargetSize& target, int width, int height);

  // Reduces rows of from_width × from_height pixels into `into` (kBgrx, whose x
  // becomes 255, or kBgra, whose alpha is averaged too), which must be smaller in
  // both directions. Empty for anything else or when memory runs out.
  static std::optional<AreaReducer> create(int from_width, int from_height, Image into);

  // The next row: from_width pixels of 4 bytes, B G R and x or A.
  void add_row(const std::uint8_t* pixels);
  // The reduced picture once every row was added.
  Image take() { return std::move(into_); }

 private:
  // The source pixels a new pixel covers along one axis, from `first` on, with the
  // part of each it covers: the parts of one new pixel add up to the old size.
  struct Span {
    int first;
    std::vector<std::uint32_t> weights;
  };
  static std::vector<Span> spans(int from, int to);

  AreaReducer(int from_width, int from_height, Image into);
  void emit_row(int y);

  int from_width_;
  int from_height_;
  int channels_;  // 3, or 4 with alpha
  std::vector<Span> columns_;
  std::vector<Span> rows_;
  int next_row_ = 0;                     // of the source
  int current_ = 0;                      // the new row the next source row adds to first
  std::vector<std::uint32_t> row_sums_;  // one source row, per new pixel and channel
  std::vector<std::uint64_t> sums_;      // the new rows current_ and current_ + 1
  Image into_;
};

}  // namespace pictavo
