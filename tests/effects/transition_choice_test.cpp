#include "effects/transition_choice.h"

#include <gtest/gtest.h>

#include "effects/random_generator.h"
#include "support/seeded_random.h"

namespace pictavo {
namespace {

TEST(ResolveTransition, ConcreteTemplatesAreCopiedWithoutDrawing) {
  const ClockParams clock(TransitionValues{0, 0});
  test::put_next_draw(777);
  const auto resolved = resolve_transition(clock);
  EXPECT_EQ(resolved->type(), TransitionType::kClock);
  EXPECT_EQ(resolved->values(), clock.values());
  EXPECT_NE(resolved.get(), &clock);
  EXPECT_EQ(draw_random(), 777);
}

TEST(ResolveTransition, RandomDrawsTheTypeThenThatTypesValues) {
  const RandomTransitionParams random;
  for (const int first : {0, 1819, 1820, 20000, 32759, 32760, 32767}) {
    const std::uint32_t seed = test::seed_for_first_draw(first);
    effect_random().seed(seed);
    const auto resolved = resolve_transition(random);

    const auto type = static_cast<TransitionType>(std::min(first / 1820, 17));
    ASSERT_EQ(resolved->type(), type) << first;
    // The values are the type's own random draw from the values that follow.
    effect_random().seed(seed);
    draw_random();
    EXPECT_EQ(resolved->values(), transition_form(type).draw()) << first;
  }
}

TEST(ResolveTransition, TwoResolutionsOfRandomAreIndependentDraws) {
  effect_random().seed(2024);
  const RandomTransitionParams random;
  int differing = 0;
  for (int i = 0; i < 20; ++i) {
    const auto a = resolve_transition(random);
    const auto b = resolve_transition(random);
    ASSERT_NE(a->type(), TransitionType::kRandom);
    if (a->type() != b->type() || a->values() != b->values()) ++differing;
  }
  EXPECT_GT(differing, 10);
}

TEST(MakeDefaultTransition, IsAlphaWithADrawnMode) {
  for (const auto& [first, mode] : {std::pair{0, 0}, std::pair{10920, 1}, std::pair{32767, 2}}) {
    test::put_next_draw(first);
    const auto params = make_default_transition();
    EXPECT_EQ(params->type(), TransitionType::kAlpha);
    EXPECT_EQ(params->p1(), mode);
  }
}

TEST(MakeDefaultTransition, AskedForRandomItDiscardsOneValueFirst) {
  const std::uint32_t seed = test::seed_for_first_draw(32767);
  RandomGenerator preview(seed);
  preview.next();
  const int second = preview.next();
  const int third = preview.next();

  effect_random().seed(seed);
  const auto params = make_default_transition(true);
  EXPECT_EQ(params->type(), TransitionType::kAlpha);
  EXPECT_EQ(params->p1(), std::min(second / 10920, 2));
  EXPECT_EQ(draw_random(), third);
}

}  // namespace
}  // namespace pictavo
