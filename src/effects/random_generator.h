#pragma once

#include <atomic>
#include <cstdint>

namespace pictavo {

// The 15-bit linear congruential generator behind every random effect choice
// (x = x * 214013 + 2531011, value (x >> 16) & 0x7FFF). Stored projects and the
// draw tables were made with exactly this sequence, so the standard library's
// generators cannot stand in for it. Safe to call from several threads; each call
// advances the one sequence by one step.
class RandomGenerator {
 public:
  static constexpr int kMax = 32767;

  explicit RandomGenerator(std::uint32_t seed = 1) : state_(seed) {}

  void seed(std::uint32_t seed) { state_.store(seed, std::memory_order_relaxed); }
  // The next value, 0 to kMax.
  int next();

 private:
  std::atomic<std::uint32_t> state_;
};

// The process-wide generator. The project seeds it with the time when it is built;
// tests seed it explicitly to get a fixed sequence.
RandomGenerator& effect_random();
void seed_effect_random_with_time();

// One value of the process-wide generator.
inline int draw_random() {
  return effect_random().next();
}

// One of `count` choices: the value divided by `divisor`, the single overflow result
// (the value `count`, reached only by the top few values) folded back to count - 1.
int draw_choice(int divisor, int count);

}  // namespace pictavo
