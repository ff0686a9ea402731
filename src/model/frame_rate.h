#pragma once

#include <array>

namespace pictavo {

// Frames per second of the two TV systems (0 = NTSC, 1 = PAL), in single precision:
// every length in frames is computed with these exact float values and truncated
// after each step, so the same project always has the same number of frames.
inline constexpr std::array<float, 2> kFrameRates{29.97f, 25.0f};

// The frame rate of a TV-system value; any value other than 0 counts as PAL, so a
// stored value outside the table never reads past it.
inline constexpr float frame_rate(int tv_system) {
  return tv_system == 0 ? kFrameRates[0] : kFrameRates[1];
}

}  // namespace pictavo
