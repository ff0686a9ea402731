#include "image/filter.h"

#include <gtest/gtest.h>

#include "image/test_pictures.h"

namespace pictavo {
namespace {

using test::grey_at;
using test::grey_image;

Image dot() {
  return grey_image({{0, 0, 0}, {0, 160, 0}, {0, 0, 0}});
}

TEST(Filter, SoftenSpreadsAPointBySixteenths) {
  Image image = dot();
  ASSERT_TRUE(soften(image));
  EXPECT_EQ(grey_at(image, 1, 1), 80);  // 8 × 160 / 16
  for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {2, 2}, {0, 1}}) {
    EXPECT_EQ(grey_at(image, x, y), 10) << x << "," << y;  // 160 / 16
  }
}

TEST(Filter, SharpenAmplifiesAndClamps) {
  Image image = dot();
  ASSERT_TRUE(sharpen(image));
  EXPECT_EQ(grey_at(image, 1, 1), 255);  // 15 × 160 / 7 = 342
  EXPECT_EQ(grey_at(image, 0, 0), 0);    // −160 / 7
}

TEST(Filter, FlatAndLinearAreasStayAsTheyAre) {
  Image flat = grey_image({{90, 90, 90}, {90, 90, 90}});
  Image ramp = grey_image({{0, 10, 20, 30}});
  ASSERT_TRUE(soften(flat));
  ASSERT_TRUE(sharpen(ramp));
  EXPECT_TRUE(test::pixels_match(flat, [](int, int) { return rgb(90, 90, 90); }));
  EXPECT_EQ(grey_at(ramp, 1, 0), 10);
  EXPECT_EQ(grey_at(ramp, 2, 0), 20);
}

TEST(Filter, BeyondTheBorderRepeatsTheBorderPixel) {
  // The right pixel's missing neighbours are itself, and the single row stands in
  // for the rows above and below it. Zeros beyond the border would give 90.
  Image image = grey_image({{0, 0, 160}});
  ASSERT_TRUE(soften(image));
  EXPECT_EQ(grey_at(image, 2, 0), 130);  // (320 + 1440 + 320) / 16
  EXPECT_EQ(grey_at(image, 1, 0), 30);   // (160 + 160 + 160) / 16
}

TEST(Filter, IntegerDivisionTruncatesTowardZeroBeforeTheOffset) {
  Image image = grey_image({{0, 10, 20}});
  const Kernel3x3 sharpen_with_offset{{-1, -1, -1, -1, 15, -1, -1, -1, -1}, 7, 10};
  ASSERT_TRUE(filter(image, sharpen_with_offset));
  EXPECT_EQ(grey_at(image, 0, 0), 6);  // 10 + (−30 / 7 = −4)
}

TEST(Filter, ADivisorOfZeroCountsAsOne) {
  Image image = dot();
  ASSERT_TRUE(filter(image, Kernel3x3{{0, 0, 0, 0, 1, 0, 0, 0, 0}, 0, 0}));
  EXPECT_EQ(grey_at(image, 1, 1), 160);
}

TEST(Filter, SoftenThenSharpenDoesNotRestoreThePicture) {
  const Image original = grey_image({{0, 50, 200, 10}, {30, 255, 10, 90}, {70, 0, 140, 60}});
  Image image = original;
  ASSERT_TRUE(soften(image));
  ASSERT_TRUE(sharpen(image));
  EXPECT_FALSE(test::pixels_match(image, [&](int x, int y) { return original.pixel(x, y); }));
}

TEST(Filter, KeepsAlphaAndExpandsIndexedPictures) {
  Image alpha = *Image::create(2, 1, 32);
  alpha.set_pixel(0, 0, RgbQuad{16, 16, 16, 40});
  ASSERT_TRUE(soften(alpha));
  EXPECT_EQ(alpha.pixel(0, 0).alpha, 40);

  Image indexed = *Image::create(2, 1, 1);
  ASSERT_TRUE(sharpen(indexed));
  EXPECT_EQ(indexed.layout(), PixelLayout::kBgrx);
}

}  // namespace
}  // namespace pictavo
