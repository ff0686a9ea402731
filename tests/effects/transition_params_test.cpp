#include "effects/transition_params.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "effects/random_generator.h"
#include "support/seeded_random.h"

namespace pictavo {
namespace {

int fold(int value, int divisor, int count) {
  return std::min(value / divisor, count - 1);
}
int two_way(int value) {
  return fold(value, 16380, 2);
}
int width(int value) {
  const int w = value / 405;
  return w > 80 ? 80 : (w == 0 ? 1 : w);
}
int windows(int value) {
  const int b = value / 4680;
  return b < 7 ? b + 4 : 10;
}
int sides(int value) {
  const int b = value / 4680;
  return b < 7 ? b + 3 : 9;
}
int flag(int value) {
  return value / 16380 != 0 ? 1 : 0;
}

// The defaults and random draws of every type, written out from the parameter
// table: `first` and `second` are the generator's next two values.
struct TypeTable {
  TransitionType type;
  int draws;
  TransitionValues defaults;
  std::function<TransitionValues(int first, int second)> random;
};

const std::vector<TypeTable>& type_tables() {
  static const std::vector<TypeTable> tables{
      {TransitionType::kAlpha,
       1,
       {0, 0},
       [](int a, int) {
         return TransitionValues{fold(a, 10920, 3), 0};
       }},
      {TransitionType::kAccordion,
       1,
       {0, 0},
       [](int a, int) {
         return TransitionValues{two_way(a), 0};
       }},
      {TransitionType::kBlinds,
       2,
       {0, 8},
       [](int a, int b) {
         return TransitionValues{two_way(a), windows(b)};
       }},
      {TransitionType::kCircle,
       2,
       {0, 40},
       [](int a, int b) {
         return TransitionValues{two_way(a), width(b)};
       }},
      {TransitionType::kClock,
       2,
       {2, 1},
       [](int a, int b) {
         return TransitionValues{fold(a, 10920, 3), flag(b)};
       }},
      {TransitionType::kCubeFly,
       1,
       {0, 0},
       [](int a, int) {
         return TransitionValues{fold(a, 8190, 4), 0};
       }},
      {TransitionType::kDiagonalSweep,
       2,
       {0, 40},
       [](int a, int b) {
         return TransitionValues{two_way(a), width(b)};
       }},
      {TransitionType::kDoor,
       1,
       {0, 0},
       [](int a, int) {
         return TransitionValues{two_way(a), 0};
       }},
      {TransitionType::kFlip,
       1,
       {0, 0},
       [](int a, int) {
         return TransitionValues{two_way(a), 0};
       }},
      {TransitionType::kFly,
       1,
       {1, 0},
       [](int a, int) {
         return TransitionValues{two_way(a), 0};
       }},
      // Polygon's direction is p2, yet its value is drawn first.
      {TransitionType::kPolygon,
       2,
       {7, 0},
       [](int a, int b) {
         return TransitionValues{sides(b), two_way(a)};
       }},
      {TransitionType::kRotateIn,
       1,
       {0, 0},
       [](int a, int) {
         return TransitionValues{two_way(a), 0};
       }},
      {TransitionType::kShutter,
       2,
       {0, 40},
       [](int a, int b) {
         return TransitionValues{two_way(a), width(b)};
       }},
      {TransitionType::kSpin,
       1,
       {0, 0},
       [](int a, int) {
         return TransitionValues{two_way(a), 0};
       }},
      {TransitionType::kSweep,
       2,
       {0, 40},
       [](int a, int b) {
         return TransitionValues{fold(a, 8190, 4), width(b)};
       }},
      {TransitionType::kTwist,
       1,
       {0, 0},
       [](int a, int) {
         return TransitionValues{two_way(a), 0};
       }},
      {TransitionType::kWipe,
       2,
       {0, 1},
       [](int a, int b) {
         return TransitionValues{fold(a, 8190, 4), flag(b)};
       }},
      {TransitionType::kZoom,
       1,
       {0, 0},
       [](int a, int) {
         return TransitionValues{two_way(a), 0};
       }},
      {TransitionType::kRandom, 0, {0, 0}, [](int, int) { return TransitionValues{}; }},
  };
  return tables;
}

std::vector<int> sample_values() {
  std::vector<int> values;
  for (int value = 0; value <= RandomGenerator::kMax; value += 61)
    values.push_back(value);
  for (const int edge : {404, 405, 4679, 4680, 8189, 8190, 10919, 10920, 16379, 16380, 32399, 32400,
                         32759, 32760, 32766, 32767}) {
    values.push_back(edge);
  }
  return values;
}

TEST(TransitionParams, DefaultsFollowTheTable) {
  for (const TypeTable& table : type_tables()) {
    const auto params = make_transition(table.type);
    EXPECT_EQ(params->type(), table.type);
    EXPECT_EQ(params->values(), table.defaults) << display_name(table.type);
    EXPECT_EQ(params->default_values(), table.defaults);
  }
  EXPECT_EQ(BlindsParams().values(), (TransitionValues{0, 8}));
  EXPECT_EQ(PolygonParams(ParamsInit::kDefaults).values(), (TransitionValues{7, 0}));
}

TEST(TransitionParams, RandomDrawsFollowTheTableInDrawOrder) {
  for (const TypeTable& table : type_tables()) {
    for (const int first : sample_values()) {
      const std::uint32_t seed = test::seed_for_first_draw(first);
      RandomGenerator preview(seed);
      const int values[3] = {preview.next(), preview.next(), preview.next()};
      effect_random().seed(seed);
      const auto params = make_transition(table.type, ParamsInit::kRandom);
      ASSERT_EQ(params->values(), table.random(values[0], values[1]))
          << display_name(table.type) << " first value " << first;
      // Exactly the type's number of values was taken.
      ASSERT_EQ(draw_random(), values[table.draws]) << display_name(table.type);
    }
  }
}

TEST(TransitionParams, RandomButtonDrawsWithoutChangingTheObject) {
  BlindsParams blinds;
  test::put_next_draw(32767);
  const TransitionValues drawn = blinds.random_values();
  EXPECT_EQ(drawn.p1, 1);
  EXPECT_EQ(blinds.values(), (TransitionValues{0, 8}));
}

TEST(TransitionParams, WidthIsEightyForTheTopValuesAndNeverZero) {
  for (const TransitionType type : {TransitionType::kCircle, TransitionType::kShutter,
                                    TransitionType::kSweep, TransitionType::kDiagonalSweep}) {
    const TransitionForm& form = transition_form(type);
    int eighty = 0;
    // The width takes the second value of the draw.
    for (int first = 0; first <= RandomGenerator::kMax; ++first) {
      RandomGenerator preview(test::seed_for_first_draw(first));
      preview.next();
      const int second = preview.next();
      test::put_next_draw(first);
      const int drawn = form.draw().p2;
      ASSERT_GE(drawn, 1);
      ASSERT_LE(drawn, 80);
      ASSERT_EQ(drawn == 80, second >= 80 * 405) << second;
      eighty += drawn == 80 ? 1 : 0;
    }
    EXPECT_GT(eighty, 0);
  }
}

TEST(TransitionParams, ValuesAreKeptWithinTheirRanges) {
  BlindsParams blinds(TransitionValues{-3, 1000});
  EXPECT_EQ(blinds.values(), (TransitionValues{0, 10}));
  blinds.set_values({5, 0});
  EXPECT_EQ(blinds.values(), (TransitionValues{1, 4}));
  AlphaParams alpha(TransitionValues{2, 7});
  EXPECT_EQ(alpha.values(), (TransitionValues{2, 0}));  // Alpha has no second parameter
  EXPECT_EQ(RandomTransitionParams(TransitionValues{3, 4}).values(), (TransitionValues{}));
  EXPECT_EQ(make_transition(TransitionType::kSweep, TransitionValues{3, 80})->values(),
            (TransitionValues{3, 80}));
}

TEST(TransitionParams, FromAnotherObjectCopiesTheSameTypeAndDrawsForAnother) {
  const WipeParams wipe(TransitionValues{2, 0});
  test::put_next_draw(500);
  EXPECT_EQ(WipeParams(static_cast<const TransitionParams&>(wipe)).values(), wipe.values());
  EXPECT_EQ(draw_random(), 500);  // copying takes no value

  test::put_next_draw(32767);
  const auto circle = make_transition(TransitionType::kCircle, wipe);
  EXPECT_EQ(circle->type(), TransitionType::kCircle);
  EXPECT_EQ(circle->p1(), 1);
  test::put_next_draw(0);
  EXPECT_EQ(ZoomParams(static_cast<const TransitionParams&>(wipe)).values(),
            (TransitionValues{0, 0}));
}

TEST(TransitionParams, ClonesAreIndependentObjectsOfTheSameType) {
  ShutterParams shutter(TransitionValues{1, 33});
  const std::unique_ptr<TransitionParams> copy = shutter.clone();
  EXPECT_EQ(copy->type(), TransitionType::kShutter);
  EXPECT_EQ(copy->values(), shutter.values());
  EXPECT_NE(dynamic_cast<ShutterParams*>(copy.get()), nullptr);
  copy->set_values({0, 2});
  EXPECT_EQ(shutter.values(), (TransitionValues{1, 33}));
}

}  // namespace
}  // namespace pictavo
