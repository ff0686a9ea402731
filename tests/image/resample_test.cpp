#include "image/resample.h"

#include <gtest/gtest.h>

#include "image/test_pictures.h"

namespace pictavo {
namespace {

using test::grey_at;
using test::grey_image;

TEST(Resample, EnlargingInterpolatesBetweenPixelCentres) {
  Image image = grey_image({{0, 255}});
  ASSERT_TRUE(resample(image, 4, 1));
  // Centres at source x -0.25 (clamped to 0), 0.25, 0.75, 1.25 (clamped to 1).
  EXPECT_EQ(grey_at(image, 0, 0), 0);
  EXPECT_EQ(grey_at(image, 1, 0), 64);   // 255 × 0.25 = 63.75
  EXPECT_EQ(grey_at(image, 2, 0), 191);  // 255 × 0.75 = 191.25
  EXPECT_EQ(grey_at(image, 3, 0), 255);
}

TEST(Resample, BilinearMixesFourNeighbours) {
  Image image = grey_image({{0, 100}, {100, 200}});
  ASSERT_TRUE(resample(image, 4, 4));
  EXPECT_EQ(grey_at(image, 0, 0), 0);
  // A quarter of the way both ways: 2 × 0.1875 × 100 + 0.0625 × 200.
  EXPECT_EQ(grey_at(image, 1, 1), 50);
  // Three quarters right, a quarter down: 0.5625 × 100 + 0.0625 × 100 + 0.1875 × 200.
  EXPECT_EQ(grey_at(image, 2, 1), 100);
  EXPECT_EQ(grey_at(image, 3, 3), 200);
}

TEST(Resample, ShrinkingBothWaysAveragesTheCoveredArea) {
  Image image = grey_image({{10, 20, 30, 40}, {50, 60, 70, 80}});
  ASSERT_TRUE(resample(image, 2, 1));
  EXPECT_EQ(grey_at(image, 0, 0), 35);  // (10 + 20 + 50 + 60) / 4
  EXPECT_EQ(grey_at(image, 1, 0), 55);
}

TEST(Resample, AreaAveragingWeighsPartlyCoveredPixels) {
  // Three pixels into two: each new pixel covers one and a half old ones.
  Image image = grey_image({{0, 90, 180}, {0, 90, 180}});
  ASSERT_TRUE(resample(image, 2, 1));
  EXPECT_EQ(grey_at(image, 0, 0), 30);   // (0 × 1 + 90 × 0.5) / 1.5
  EXPECT_EQ(grey_at(image, 1, 0), 150);  // (90 × 0.5 + 180 × 1) / 1.5
}

TEST(Resample, ShrinkingOneWayOnlyIsBilinear) {
  Image image = grey_image({{0, 100, 200, 255}});
  ASSERT_TRUE(resample(image, 2, 2));
  // Centres at source x 0.5 and 2.5.
  EXPECT_EQ(grey_at(image, 0, 0), 50);
  EXPECT_EQ(grey_at(image, 1, 1), 228);  // 200 + 0.5 × 55 = 227.5
}

TEST(Resample, AlphaPicturesAreBilinearEvenWhenShrunk) {
  Image image = *Image::create(2, 2, 32);
  image.set_pixel(0, 0, RgbQuad{0, 0, 0, 0});
  image.set_pixel(1, 0, RgbQuad{0, 0, 0, 255});
  image.set_pixel(0, 1, RgbQuad{0, 0, 0, 255});
  image.set_pixel(1, 1, RgbQuad{0, 0, 0, 255});
  ASSERT_TRUE(resample(image, 1, 1));
  EXPECT_EQ(image.layout(), PixelLayout::kBgra);
  EXPECT_EQ(image.pixel(0, 0).alpha, 191);  // the centre of the four: 0.75 × 255
}

TEST(Resample, IndexedPicturesAreExpandedFirst) {
  Image image = *Image::create(2, 1, 1);
  image.row(0)[1] = 1;
  ASSERT_TRUE(resample(image, 4, 1));
  EXPECT_EQ(image.layout(), PixelLayout::kBgrx);
  EXPECT_EQ(grey_at(image, 2, 0), 191);
}

TEST(Resample, RefusesEmptyOrOversizedTargets) {
  Image image = grey_image({{1, 2}});
  EXPECT_FALSE(resample(image, 0, 1));
  EXPECT_FALSE(resample(image, 100000, 1));
  EXPECT_EQ(image.width(), 2);
  EXPECT_TRUE(resample(image, 2, 1));
}

TEST(Resample, KeepsOriginAndResolution) {
  Image image = test::pattern_image();
  image.origin().format = ImageFormat::kJpeg;
  image.set_resolution(300, 300);
  ASSERT_TRUE(resample(image, 4, 3));
  EXPECT_EQ(image.origin().format, ImageFormat::kJpeg);
  EXPECT_EQ(image.x_dpi(), 300);
}

}  // namespace
}  // namespace pictavo
