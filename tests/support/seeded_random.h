#pragma once

#include <cstdint>

#include "effects/random_generator.h"

namespace pictavo::test {

// The seed after which the effect generator's next value is `value` (0 to 32767):
// the generator's step is inverted, so tests can put any value, including the
// rare top ones, at the front of the sequence.
constexpr std::uint32_t seed_for_first_draw(int value) {
  constexpr std::uint32_t kMultiplier = 214013u;
  std::uint32_t inverse = kMultiplier;  // Newton's iteration for the inverse mod 2^32
  for (int i = 0; i < 5; ++i)
    inverse *= 2u - kMultiplier * inverse;
  const std::uint32_t state = static_cast<std::uint32_t>(value) << 16;
  return (state - 2531011u) * inverse;
}

// Seeds the process-wide generator so that its next value is `value`.
inline void put_next_draw(int value) {
  effect_random().seed(seed_for_first_draw(value));
}

}  // namespace pictavo::test
