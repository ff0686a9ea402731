#pragma once

#include <cstdint>
#include <span>

#include "base/result.h"

namespace pictavo {

// How many slices the first picture of an H.264 sample has, the sample as an MP4
// file holds it: NAL units each after a big-endian length of `nal_length_size`
// bytes. A slice that starts at macroblock 0 begins a new picture. A reason when
// the lengths run past the sample or it holds no slice.
Result<int> h264_slice_count(std::span<const std::uint8_t> sample, int nal_length_size);

}  // namespace pictavo
