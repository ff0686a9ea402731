#include "image/mix.h"

#include <gtest/gtest.h>

#include "image/test_pictures.h"

namespace pictavo {
namespace {

Image white(int width, int height) {
  return test::filled_image(width, height, rgb(255, 255, 255));
}

TEST(Mix, BlendsByTheOverlaysAlpha) {
  Image photo = white(4, 4);
  Image decoration = *Image::create(3, 1, 32);
  decoration.set_pixel(0, 0, rgb(255, 0, 0, 255));
  decoration.set_pixel(1, 0, rgb(0, 0, 255, 0));
  decoration.set_pixel(2, 0, rgb(0, 0, 0, 128));
  ASSERT_TRUE(mix(photo, decoration, MixOperation::kOverlay, 1, 2));
  EXPECT_EQ(photo.pixel(1, 2), rgb(255, 0, 0));
  EXPECT_EQ(photo.pixel(2, 2), rgb(255, 255, 255));
  EXPECT_EQ(photo.pixel(3, 2), rgb(127, 127, 127));  // (255 × 127 + 127) / 255
  EXPECT_EQ(photo.pixel(1, 1), rgb(255, 255, 255));
  EXPECT_EQ(photo.layout(), PixelLayout::kBgrx);
}

TEST(Mix, ClipsAtEveryEdge) {
  Image photo = white(2, 2);
  Image decoration = *Image::create(3, 3, 24);  // black
  ASSERT_TRUE(mix(photo, decoration, MixOperation::kOverlay, -2, 1));
  EXPECT_EQ(photo.pixel(0, 1), rgb(0, 0, 0));
  EXPECT_EQ(photo.pixel(1, 1), rgb(255, 255, 255));
  EXPECT_EQ(photo.pixel(0, 0), rgb(255, 255, 255));
  EXPECT_TRUE(mix(photo, decoration, MixOperation::kOverlay, 5, 5));  // entirely outside
}

TEST(Mix, LeavesOutTheTransparentIndexAndColour) {
  Image photo = white(2, 1);
  Image indexed = *Image::create(2, 1, 1);  // black, white
  indexed.set_palette({rgb(0, 0, 0), rgb(0, 255, 0)});
  indexed.row(0)[1] = 1;
  indexed.set_transparent_index(0);
  ASSERT_TRUE(mix(photo, indexed, MixOperation::kOverlay, 0, 0));
  EXPECT_EQ(photo.pixel(0, 0), rgb(255, 255, 255));
  EXPECT_EQ(photo.pixel(1, 0), rgb(0, 255, 0));

  Image keyed = *Image::create(2, 1, 24);
  keyed.set_pixel(0, 0, rgb(255, 0, 255));
  keyed.set_pixel(1, 0, rgb(1, 2, 3));
  keyed.set_transparent_colour(rgb(255, 0, 255));
  photo = white(2, 1);
  ASSERT_TRUE(mix(photo, keyed, MixOperation::kOverlay, 0, 0));
  EXPECT_EQ(photo.pixel(0, 0), rgb(255, 255, 255));
  EXPECT_EQ(photo.pixel(1, 0), rgb(1, 2, 3));
}

TEST(Mix, OverATransparentPictureKeepsTheOverlaysColour) {
  Image layer = *Image::create(1, 1, 32);  // transparent
  Image decoration = *Image::create(1, 1, 32);
  decoration.set_pixel(0, 0, rgb(200, 100, 0, 128));
  ASSERT_TRUE(mix(layer, decoration, MixOperation::kOverlay, 0, 0));
  EXPECT_EQ(layer.pixel(0, 0), rgb(200, 100, 0, 128));
}

TEST(Mix, ExpandsAnIndexedPictureAndRefusesOtherOperations) {
  Image photo = *Image::create(1, 1, 8);
  Image decoration = *Image::create(1, 1, 24);
  decoration.set_pixel(0, 0, rgb(9, 9, 9));
  EXPECT_FALSE(mix(photo, decoration, static_cast<MixOperation>(5), 0, 0));
  EXPECT_EQ(photo.layout(), PixelLayout::kIndexed);
  ASSERT_TRUE(mix(photo, decoration, MixOperation::kOverlay, 0, 0));
  EXPECT_EQ(photo.layout(), PixelLayout::kBgrx);
  EXPECT_EQ(photo.pixel(0, 0), rgb(9, 9, 9));
  EXPECT_FALSE(mix(photo, Image(), MixOperation::kOverlay, 0, 0));
}

}  // namespace
}  // namespace pictavo
