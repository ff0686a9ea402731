#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "effects/image_effect.h"
#include "effects/random_generator.h"
#include "effects/transition_type.h"
#include "support/seeded_random.h"

namespace pictavo {
namespace {

using ::testing::ElementsAre;

TEST(ImageEffectNames, ListsAndLookupsAgree) {
  EXPECT_THAT(category_list(), ElementsAre("None", "Pan", "Pan/Zoom", "Pan/Zoom/Rotate"));
  ASSERT_EQ(image_effect_list().size(), 22u);
  EXPECT_EQ(image_effect_list()[0], "pan from left to right");
  EXPECT_EQ(image_effect_list()[3], "pan from right-up to left-down");
  EXPECT_EQ(image_effect_list()[12], "zoom right-down in");
  EXPECT_EQ(image_effect_list()[19], "zoom out and rotate");
  EXPECT_EQ(display_name(ImageEffect::kNone), "none");
  EXPECT_EQ(display_name(ImageEffect::kRandom), "random");
  EXPECT_EQ(display_name(ImageEffectCategory::kPanZoom), "Pan/Zoom");
  EXPECT_EQ(display_name(static_cast<ImageEffect>(22)), "");
  EXPECT_EQ(display_name(static_cast<ImageEffectCategory>(-1)), "");
}

struct CategoryDraw {
  ImageEffectCategory category;
  int divisor;
  int last;  // the largest effect id the category gives
};

TEST(DrawImageEffect, DividesOneValueAndFoldsTheTopValue) {
  for (const CategoryDraw draw : {CategoryDraw{ImageEffectCategory::kPan, 4095, 7},
                                  CategoryDraw{ImageEffectCategory::kPanZoom, 1820, 17},
                                  CategoryDraw{ImageEffectCategory::kPanZoomRotate, 1638, 19}}) {
    for (int value = 0; value <= RandomGenerator::kMax; value += 7) {
      test::put_next_draw(value);
      const int expected = std::min(value / draw.divisor, draw.last);
      ASSERT_EQ(static_cast<int>(draw_image_effect(draw.category)), expected) << value;
    }
    test::put_next_draw(RandomGenerator::kMax);
    EXPECT_EQ(static_cast<int>(draw_image_effect(draw.category)), draw.last);
  }
}

TEST(DrawImageEffect, NoneTakesNoValueAndOtherValuesPassThrough) {
  test::put_next_draw(123);
  EXPECT_EQ(draw_image_effect(ImageEffectCategory::kNone), ImageEffect::kNone);
  EXPECT_EQ(draw_image_effect(static_cast<ImageEffectCategory>(5)), static_cast<ImageEffect>(5));
  EXPECT_EQ(draw_random(), 123);
}

TEST(TransitionNames, TableOfIdsNamesFilesAndCovers) {
  EXPECT_EQ(display_name(TransitionType::kAlpha), "Alpha");
  EXPECT_EQ(display_name(TransitionType::kCubeFly), "Cube fly");
  EXPECT_EQ(display_name(TransitionType::kRandom), "Random");
  EXPECT_EQ(file_name(TransitionType::kBlinds), "TRANSITION_EFFECT_BLIND");
  EXPECT_EQ(file_name(TransitionType::kRotateIn), "TRANSITION_EFFECT_ROTATE_IN");
  EXPECT_EQ(file_name(TransitionType::kRandom), "TRANSITION_EFFECT_RANDOM");
  EXPECT_EQ(cover_file_name(TransitionType::kDiagonalSweep), "diagonalsweep.jpg");
  EXPECT_EQ(cover_file_name(TransitionType::kRandom), "random.jpg");
  EXPECT_EQ(display_name(static_cast<TransitionType>(19)), "");
  EXPECT_EQ(transition_from_file_name("TRANSITION_EFFECT_ZOOM"), TransitionType::kZoom);
  EXPECT_EQ(transition_from_file_name("TRANSITION_EFFECT_BLINDS"), std::nullopt);
  EXPECT_EQ(transition_from_file_name("transition_effect_zoom"), std::nullopt);
}

TEST(TransitionNames, PickerListHasRandomFirstAndNameListLast) {
  const auto choices = transition_choice_list();
  ASSERT_EQ(choices.size(), 19u);
  EXPECT_EQ(choices[0], "Random");
  EXPECT_EQ(choices[1], "Alpha");
  EXPECT_EQ(choices[18], "Zoom");
  const auto names = transition_name_list();
  ASSERT_EQ(names.size(), 19u);
  EXPECT_EQ(names[0], "Alpha");
  EXPECT_EQ(names[17], "Zoom");
  EXPECT_EQ(names[18], "random");
  for (int index = 0; index < kPickerCount; ++index) {
    const TransitionType type = transition_at_picker_index(index);
    EXPECT_EQ(picker_index(type), index);
    EXPECT_EQ(choices[static_cast<std::size_t>(index)], display_name(type));
  }
}

}  // namespace
}  // namespace pictavo
