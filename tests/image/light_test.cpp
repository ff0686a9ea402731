#include "image/light.h"

#include <gtest/gtest.h>

#include "image/test_pictures.h"

namespace pictavo {
namespace {

using test::grey_at;

int lit(int value, int brightness, int contrast) {
  Image image = test::grey_image({{value}});
  EXPECT_TRUE(light(image, brightness, contrast));
  return grey_at(image, 0, 0);
}

TEST(Light, ZeroOffsetsLeaveEveryValue) {
  for (const int v : {0, 1, 127, 128, 200, 255})
    EXPECT_EQ(lit(v, 0, 0), v);
}

TEST(Light, BrightnessShiftsAndClamps) {
  EXPECT_EQ(lit(100, 5, 0), 105);
  EXPECT_EQ(lit(253, 5, 0), 255);
  EXPECT_EQ(lit(3, -5, 0), 0);
}

TEST(Light, ContrastScalesAroundTheMiddleAndTruncates) {
  EXPECT_EQ(lit(148, 0, 5), 149);  // 128 + 1.05 × 20 = 149
  EXPECT_EQ(lit(100, 0, 5), 98);   // 128 − 1.05 × 28 = 98.6
  EXPECT_EQ(lit(0, 0, 5), 0);      // −6.4 clamps to 0
  EXPECT_EQ(lit(255, 0, 5), 255);  // 261.35 clamps to 255
  EXPECT_EQ(lit(20, 0, -100), 128);
  EXPECT_EQ(lit(130, 3, -5), 132);  // 131 + 0.95 × 2 = 132.9
}

TEST(Light, ChangesEveryColourChannelButNotAlpha) {
  Image image = *Image::create(1, 1, 32);
  image.set_pixel(0, 0, RgbQuad{10, 20, 30, 77});
  ASSERT_TRUE(light(image, 5, 0));
  EXPECT_EQ(image.pixel(0, 0), (RgbQuad{15, 25, 35, 77}));
}

TEST(Light, IndexedPicturesChangeTheirPalette) {
  Image image = *Image::create(2, 1, 1);
  image.row(0)[1] = 1;
  ASSERT_TRUE(light(image, -5, 0));
  EXPECT_EQ(image.layout(), PixelLayout::kIndexed);
  EXPECT_EQ(image.palette()[0], rgb(0, 0, 0));
  EXPECT_EQ(image.palette()[1], rgb(250, 250, 250));
  EXPECT_EQ(image.row(0)[1], 1);
}

}  // namespace
}  // namespace pictavo
