#pragma once

#include <cstdint>

namespace pictavo {

// Truncates toward zero, as every conversion between seconds and frames does after
// each step. Values beyond the int range are clamped to it and NaN gives 0, so no
// stored number can make the conversion undefined.
int truncate_to_int(float value);

// The frame at `seconds` of slideshow time, counted at `rate` frames a second and
// truncated. The lengths, the start times and the rendered frames all take their
// frames from here, so they agree to the frame.
int frame_at(std::int64_t seconds, float rate);

// a + b without overflow: the sum is clamped to the int range.
int saturating_add(int a, int b);

}  // namespace pictavo
