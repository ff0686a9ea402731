#include "image/image.h"

#include <gtest/gtest.h>

#include "image/image_limits.h"
#include "image/test_pictures.h"

namespace pictavo {
namespace {

TEST(Image, CreateGivesBlankPicturesOfEachDepth) {
  const Image colour = *Image::create(3, 2, 24);
  EXPECT_EQ(colour.bits_per_pixel(), 24);
  EXPECT_EQ(colour.stride(), 12u);
  EXPECT_EQ(colour.pixel(2, 1), rgb(0, 0, 0));

  const Image alpha = *Image::create(3, 2, 32);
  EXPECT_EQ(alpha.pixel(0, 0), (RgbQuad{0, 0, 0, 0}));
  EXPECT_TRUE(alpha.has_transparency());

  for (const int bits : {1, 4, 8}) {
    const Image indexed = *Image::create(3, 2, bits);
    EXPECT_EQ(indexed.bits_per_pixel(), bits);
    EXPECT_EQ(indexed.palette().size(), 1u << bits);
    EXPECT_EQ(indexed.palette().back(), rgb(255, 255, 255));
  }
  EXPECT_FALSE(Image::create(3, 2, 16));
  EXPECT_FALSE(Image().is_valid());
}

TEST(Image, RefusesSizesBeyondTheLimits) {
  EXPECT_FALSE(Image::allocate(0, 5, PixelLayout::kBgrx));
  EXPECT_FALSE(Image::allocate(-1, 5, PixelLayout::kBgrx));
  EXPECT_FALSE(Image::allocate(static_cast<int>(kMaxImageDimension) + 1, 1, PixelLayout::kBgrx));
  EXPECT_FALSE(Image::allocate(20000, 20000, PixelLayout::kIndexed));  // 400 million pixels
  EXPECT_NE(image_size_refusal(20000, 20000).find("too large"), std::string::npos);
  EXPECT_TRUE(image_size_refusal(65535, 3000).empty());
}

TEST(Image, PixelsOfEachLayoutReadAndWriteAsQuads) {
  Image colour = *Image::create(2, 2, 24);
  EXPECT_TRUE(colour.set_pixel(1, 0, RgbQuad{1, 2, 3, 9}));
  EXPECT_EQ(colour.pixel(1, 0), (RgbQuad{1, 2, 3, 255}));  // no alpha to keep
  EXPECT_FALSE(colour.set_pixel(2, 0, rgb(0, 0, 0)));
  EXPECT_EQ(colour.pixel(-1, 0), (RgbQuad{0, 0, 0, 0}));

  Image alpha = *Image::create(2, 2, 32);
  alpha.set_pixel(0, 1, RgbQuad{1, 2, 3, 9});
  EXPECT_EQ(alpha.pixel(0, 1), (RgbQuad{1, 2, 3, 9}));

  Image indexed = *Image::create(2, 2, 1);
  indexed.set_pixel(1, 1, rgb(200, 210, 220));  // nearest of black and white
  EXPECT_EQ(indexed.row(1)[1], 1);
  EXPECT_EQ(indexed.pixel(1, 1), rgb(255, 255, 255));
}

TEST(Image, PaletteAndTransparentIndex) {
  Image image = *Image::create(2, 1, 8);
  EXPECT_TRUE(image.set_palette_colour(3, rgb(10, 20, 30)));
  EXPECT_FALSE(image.set_palette_colour(256, rgb(0, 0, 0)));
  image.row(0)[0] = 3;
  EXPECT_EQ(image.pixel(0, 0), rgb(10, 20, 30));
  EXPECT_TRUE(image.set_transparent_index(3));
  EXPECT_EQ(image.pixel(0, 0).alpha, 0);
  EXPECT_FALSE(image.set_transparent_index(256));
  EXPECT_TRUE(image.set_transparent_index(-1));
  EXPECT_FALSE(image.has_transparency());
  image.set_palette({rgb(1, 1, 1)});  // the index beyond the palette is forgotten
  EXPECT_EQ(image.bits_per_pixel(), 1);
}

TEST(Image, ConvertsBetweenLayouts) {
  Image image = *Image::create(2, 1, 8);
  image.set_palette_colour(5, rgb(9, 8, 7));
  image.row(0)[1] = 5;
  image.set_transparent_index(0);
  Image expanded = image;
  ASSERT_TRUE(expanded.expand_to_colour());
  EXPECT_EQ(expanded.layout(), PixelLayout::kBgra);
  EXPECT_EQ(expanded.pixel(0, 0).alpha, 0);
  EXPECT_EQ(expanded.pixel(1, 0), rgb(9, 8, 7));

  expanded.remove_alpha();
  EXPECT_EQ(expanded.layout(), PixelLayout::kBgrx);
  EXPECT_EQ(expanded.pixel(0, 0).alpha, 255);

  Image opaque = image;
  ASSERT_TRUE(opaque.convert_to(PixelLayout::kBgrx));
  EXPECT_EQ(opaque.transparent_colour(), rgb(0, 0, 0));  // the transparency survives as a colour
  EXPECT_FALSE(opaque.convert_to(PixelLayout::kIndexed));
}

TEST(Image, LayOverBlendsTranslucentPixelsIntoTheBackground) {
  Image alpha = *Image::create(3, 1, 32);
  alpha.set_pixel(0, 0, rgb(200, 100, 0, 255));
  alpha.set_pixel(1, 0, rgb(200, 100, 0, 51));
  ASSERT_TRUE(alpha.lay_over(rgb(0, 0, 250)));
  EXPECT_EQ(alpha.layout(), PixelLayout::kBgrx);
  EXPECT_EQ(alpha.pixel(0, 0), rgb(200, 100, 0));
  EXPECT_EQ(alpha.pixel(1, 0), rgb(40, 20, 200));
  EXPECT_EQ(alpha.pixel(2, 0), rgb(0, 0, 250));

  Image indexed = *Image::create(2, 1, 8);  // index 0 black, made transparent
  indexed.set_palette_colour(5, rgb(9, 8, 7));
  indexed.row(0)[1] = 5;
  indexed.set_transparent_index(0);
  ASSERT_TRUE(indexed.lay_over(rgb(255, 255, 255)));
  EXPECT_EQ(indexed.pixel(0, 0), rgb(255, 255, 255));
  EXPECT_EQ(indexed.pixel(1, 0), rgb(9, 8, 7));

  Image keyed = test::filled_image(2, 1, rgb(1, 2, 3));
  keyed.set_pixel(1, 0, rgb(4, 5, 6));
  keyed.set_transparent_colour(rgb(1, 2, 3));
  ASSERT_TRUE(keyed.lay_over(rgb(255, 255, 255)));
  EXPECT_EQ(keyed.pixel(0, 0), rgb(255, 255, 255));
  EXPECT_EQ(keyed.pixel(1, 0), rgb(4, 5, 6));
  EXPECT_FALSE(keyed.has_transparency());

  Image opaque = test::pattern_image();
  ASSERT_TRUE(opaque.lay_over(rgb(255, 255, 255)));
  EXPECT_TRUE(test::pixels_match(opaque, test::pattern_colour));
}

TEST(Image, CopiesAreDeep) {
  Image original = test::pattern_image();
  original.origin().format = ImageFormat::kPng;
  const Image copy = original;
  original.set_pixel(0, 0, rgb(1, 2, 3));
  EXPECT_EQ(copy.pixel(0, 0), rgb(0, 0, 0));
  EXPECT_EQ(copy.origin().format, ImageFormat::kPng);
  EXPECT_NE(copy.data(), original.data());
}

}  // namespace
}  // namespace pictavo
