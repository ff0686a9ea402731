#include "render/effect_covers.h"

#include <gtest/gtest.h>

#include "render_test_support.h"

namespace pictavo {
namespace {

using test::ColourNear;
using test::kBlue;
using test::kRed;

class EffectCovers : public ::testing::Test {
 protected:
  EffectCovers() {
    photos.add("red", test::solid_canvas(40, 30, kRed));
    photos.add("blue", test::solid_canvas(40, 30, kBlue));
  }
  test::MemoryPhotos photos;
};

TEST_F(EffectCovers, ShowTheMiddleOfEachTransitionInPickerOrder) {
  const std::vector<EffectCover> covers = render_effect_covers(photos, "red", "blue", 40, 30);
  ASSERT_EQ(covers.size(), static_cast<std::size_t>(kPickerCount));
  for (int index = 0; index < kPickerCount; ++index)
    EXPECT_EQ(covers[static_cast<std::size_t>(index)].type, transition_at_picker_index(index));
  // The door, half open: the new photo between two leaves of the old picture.
  const FrameCanvas& door =
      covers[static_cast<std::size_t>(picker_index(TransitionType::kDoor))].picture;
  ASSERT_TRUE(door.valid());
  EXPECT_EQ(door.width(), 40);
  EXPECT_EQ(door.pixel(20, 15), kBlue);
  EXPECT_EQ(door.pixel(3, 15), kRed);
  EXPECT_EQ(door.pixel(36, 15), kRed);
  // Half way through Alpha the two pictures are mixed evenly.
  const FrameCanvas& alpha =
      covers[static_cast<std::size_t>(picker_index(TransitionType::kAlpha))].picture;
  EXPECT_TRUE(ColourNear(alpha.pixel(20, 15), argb(255, 122, 0, 133), 3));
}

TEST_F(EffectCovers, RandomShowsFourTransitionsInItsQuarters) {
  const std::vector<EffectCover> covers = render_effect_covers(photos, "red", "blue", 40, 30);
  const FrameCanvas& random = covers[0].picture;
  ASSERT_EQ(covers[0].type, TransitionType::kRandom);
  const FrameCanvas& circle =
      covers[static_cast<std::size_t>(picker_index(TransitionType::kCircle))].picture;
  // The circle's cover at half size in the top-left quarter.
  EXPECT_TRUE(ColourNear(random.pixel(10, 7), circle.pixel(20, 15), 8));
  EXPECT_TRUE(ColourNear(random.pixel(0, 0), circle.pixel(0, 0), 8));
}

TEST_F(EffectCovers, NoneWithoutBothPictures) {
  EXPECT_TRUE(render_effect_covers(photos, "red", "missing", 40, 30).empty());
  EXPECT_TRUE(render_effect_covers(photos, "missing", "blue", 40, 30).empty());
}

}  // namespace
}  // namespace pictavo
