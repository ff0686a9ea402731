#include "image/transform.h"

#include <gtest/gtest.h>

#include "image/test_pictures.h"

namespace pictavo {
namespace {

using test::grey_at;
using test::grey_image;

// A 3 × 2 picture:   1 2 3
//                    4 5 6
Image small() {
  return grey_image({{1, 2, 3}, {4, 5, 6}});
}

std::vector<int> levels(const Image& image) {
  std::vector<int> values;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      values.push_back(grey_at(image, x, y));
  }
  return values;
}

TEST(Transform, RotationsFlipsAndMirrorsMovePixels) {
  Image image = small();
  ASSERT_TRUE(rotate_right(image));
  EXPECT_EQ(image.width(), 2);
  EXPECT_EQ(levels(image), (std::vector<int>{4, 1, 5, 2, 6, 3}));

  image = small();
  ASSERT_TRUE(rotate_left(image));
  EXPECT_EQ(levels(image), (std::vector<int>{3, 6, 2, 5, 1, 4}));

  image = small();
  ASSERT_TRUE(rotate_180(image));
  EXPECT_EQ(levels(image), (std::vector<int>{6, 5, 4, 3, 2, 1}));

  image = small();
  ASSERT_TRUE(flip(image));
  EXPECT_EQ(levels(image), (std::vector<int>{4, 5, 6, 1, 2, 3}));

  image = small();
  ASSERT_TRUE(mirror(image));
  EXPECT_EQ(levels(image), (std::vector<int>{3, 2, 1, 6, 5, 4}));

  image = small();
  ASSERT_TRUE(transpose(image));
  EXPECT_EQ(levels(image), (std::vector<int>{1, 4, 2, 5, 3, 6}));
}

TEST(Transform, TurningLeftThenRightGivesThePictureBack) {
  const Image original = test::pattern_image();
  Image image = original;
  ASSERT_TRUE(rotate_left(image));
  ASSERT_TRUE(rotate_right(image));
  EXPECT_TRUE(test::pixels_match(image, [&](int x, int y) { return original.pixel(x, y); }));
}

TEST(Transform, QuarterTurnsOfLargerPicturesCrossTileEdges) {
  Image image = *Image::create(70, 33, 24);
  for (int y = 0; y < 33; ++y) {
    for (int x = 0; x < 70; ++x)
      image.set_pixel(x, y, rgb(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 0));
  }
  ASSERT_TRUE(rotate_right(image));
  ASSERT_EQ(image.width(), 33);
  EXPECT_EQ(image.pixel(0, 0), rgb(0, 32, 0));
  EXPECT_EQ(image.pixel(32, 69), rgb(69, 0, 0));
  EXPECT_EQ(image.pixel(10, 40), rgb(40, 22, 0));
}

TEST(Transform, IndexedPicturesTurnByIndex) {
  Image image = *Image::create(3, 1, 4);
  image.row(0)[0] = 1;
  image.row(0)[2] = 7;
  ASSERT_TRUE(rotate_left(image));
  EXPECT_EQ(image.layout(), PixelLayout::kIndexed);
  EXPECT_EQ(image.row(0)[0], 7);
  EXPECT_EQ(image.row(2)[0], 1);
  ASSERT_TRUE(mirror(image));
  ASSERT_TRUE(rotate_180(image));
  EXPECT_EQ(image.row(0)[0], 1);
}

TEST(Transform, CropTakesCornersInEitherOrder) {
  Image image = small();
  ASSERT_TRUE(crop(image, 1, 0, 3, 2));
  EXPECT_EQ(levels(image), (std::vector<int>{2, 3, 5, 6}));

  Image swapped = small();
  ASSERT_TRUE(crop(swapped, 3, 2, 1, 0));
  EXPECT_EQ(levels(swapped), levels(image));

  Image mixed = small();
  ASSERT_TRUE(crop(mixed, 3, 0, 1, 2));
  EXPECT_EQ(levels(mixed), levels(image));
}

TEST(Transform, CropIsClippedToThePictureAndMustKeepAPixel) {
  Image image = small();
  ASSERT_TRUE(crop(image, -5, 1, 2, 10));
  EXPECT_EQ(levels(image), (std::vector<int>{4, 5}));

  Image empty = small();
  EXPECT_FALSE(crop(empty, 1, 1, 1, 2));
  EXPECT_FALSE(crop(empty, 5, 0, 9, 2));
  EXPECT_EQ(levels(empty), levels(small()));  // untouched

  Image invalid;
  EXPECT_FALSE(crop(invalid, 0, 0, 1, 1));
  EXPECT_FALSE(rotate_left(invalid));
  EXPECT_FALSE(flip(invalid));
}

TEST(Transform, QuarterTurnsSwapTheResolution) {
  Image image = small();
  image.set_resolution(300, 72);
  ASSERT_TRUE(rotate_right(image));
  EXPECT_EQ(image.x_dpi(), 72);
  EXPECT_EQ(image.y_dpi(), 300);
}

}  // namespace
}  // namespace pictavo
