#include "effects/random_generator.h"

#include <algorithm>
#include <ctime>

namespace pictavo {

int RandomGenerator::next() {
  std::uint32_t state = state_.load(std::memory_order_relaxed);
  std::uint32_t advanced = 0;
  do {
    advanced = state * 214013u + 2531011u;
  } while (!state_.compare_exchange_weak(state, advanced, std::memory_order_relaxed));
  return static_cast<int>((advanced >> 16) & 0x7FFFu);
}

RandomGenerator& effect_random() {
  static RandomGenerator generator;
  return generator;
}

void seed_effect_random_with_time() {
  effect_random().seed(static_cast<std::uint32_t>(std::time(nullptr)));
}

int draw_choice(int divisor, int count) {
  return std::min(draw_random() / divisor, count - 1);
}

}  // namespace pictavo
