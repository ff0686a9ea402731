#include "effects/random_generator.h"

#include <gtest/gtest.h>

#include "support/seeded_random.h"

namespace pictavo {
namespace {

TEST(RandomGenerator, GivesTheClassicFifteenBitSequence) {
  RandomGenerator generator;  // seed 1, as an unseeded C library starts
  EXPECT_EQ(generator.next(), 41);
  EXPECT_EQ(generator.next(), 18467);
  EXPECT_EQ(generator.next(), 6334);
  EXPECT_EQ(generator.next(), 26500);
  generator.seed(1);
  EXPECT_EQ(generator.next(), 41);
}

TEST(RandomGenerator, ValuesStayWithinFifteenBits) {
  RandomGenerator generator(0xFFFFFFFFu);
  for (int i = 0; i < 100000; ++i) {
    const int value = generator.next();
    ASSERT_GE(value, 0);
    ASSERT_LE(value, RandomGenerator::kMax);
  }
}

TEST(RandomGenerator, SeedForFirstDrawPutsAnyValueFirst) {
  for (const int value : {0, 1, 4094, 16380, 32760, 32767}) {
    RandomGenerator generator(test::seed_for_first_draw(value));
    EXPECT_EQ(generator.next(), value);
  }
}

TEST(DrawChoice, DividesAndFoldsTheSingleOverflowValue) {
  test::put_next_draw(32767);
  EXPECT_EQ(draw_choice(4095, 8), 7);  // 32767 / 4095 = 8
  test::put_next_draw(32759);
  EXPECT_EQ(draw_choice(4095, 8), 7);
  test::put_next_draw(4094);
  EXPECT_EQ(draw_choice(4095, 8), 0);
  test::put_next_draw(4095);
  EXPECT_EQ(draw_choice(4095, 8), 1);
}

TEST(EffectRandom, IsOneSequenceForTheWholeProcess) {
  effect_random().seed(1);
  EXPECT_EQ(draw_random(), 41);
  EXPECT_EQ(effect_random().next(), 18467);
}

}  // namespace
}  // namespace pictavo
