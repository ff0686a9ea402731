#include "image/text_drawing.h"

#include <gtest/gtest.h>

#include "image/test_pictures.h"

namespace pictavo {
namespace {

Image white(int width, int height) {
  return test::filled_image(width, height, rgb(255, 255, 255));
}

// Pixels that are no longer white, and the box around them.
struct Ink {
  int count = 0;
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

Ink ink_of(const Image& image) {
  Ink ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == rgb(255, 255, 255)) continue;
      ++ink.count;
      ink.left = std::min(ink.left, x);
      ink.top = std::min(ink.top, y);
      ink.right = std::max(ink.right, x);
      ink.bottom = std::max(ink.bottom, y);
    }
  }
  return ink;
}

TEST(TextDrawing, DrawsIntoThePictureAtThePosition) {
  Image image = white(80, 40);
  const std::uint8_t* pixels = image.data();
  TextStyle style;
  style.height = 16;
  ASSERT_TRUE(draw_text(image, "Hi", style, 10, 5));
  EXPECT_EQ(image.data(), pixels);  // drawn in place
  const Ink ink = ink_of(image);
  ASSERT_GT(ink.count, 20);
  EXPECT_GE(ink.left, 10);
  EXPECT_GE(ink.top, 5);
  EXPECT_LT(ink.right, 40);
  EXPECT_LT(ink.bottom, 5 + 20);
}

TEST(TextDrawing, HonoursColourWeightAndUnderline) {
  TextStyle style;
  style.colour = rgb(255, 0, 0);
  Image red = white(80, 40);
  ASSERT_TRUE(draw_text(red, "Hi", style, 4, 4));
  bool reddish = false;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 80; ++x)
      reddish |= red.pixel(x, y) == rgb(255, 0, 0);
  }
  EXPECT_TRUE(reddish);

  Image plain = white(80, 40), bold = white(80, 40), underlined = white(80, 40);
  TextStyle heavy;
  heavy.weight = 700;
  TextStyle lined;
  lined.underline = true;
  ASSERT_TRUE(draw_text(plain, "Hi", TextStyle{}, 4, 4));
  ASSERT_TRUE(draw_text(bold, "Hi", heavy, 4, 4));
  ASSERT_TRUE(draw_text(underlined, "Hi", lined, 4, 4));
  EXPECT_GT(ink_of(bold).count, ink_of(plain).count);
  EXPECT_GT(ink_of(underlined).bottom, ink_of(plain).bottom);
}

TEST(TextDrawing, LargerFontsMakeLargerText) {
  Image small = white(200, 100), large = white(200, 100);
  TextStyle big;
  big.height = 40;
  ASSERT_TRUE(draw_text(small, "Hi", TextStyle{}, 0, 0));
  ASSERT_TRUE(draw_text(large, "Hi", big, 0, 0));
  EXPECT_GT(ink_of(large).bottom, 2 * ink_of(small).bottom);
}

TEST(TextDrawing, WorksOnAlphaAndIndexedPictures) {
  Image layer = *Image::create(40, 20, 32);
  ASSERT_TRUE(draw_text(layer, "Hi", TextStyle{}, 2, 2));
  bool opaque_somewhere = false;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x)
      opaque_somewhere |= layer.pixel(x, y).alpha == 255;
  }
  EXPECT_TRUE(opaque_somewhere);
  EXPECT_EQ(layer.layout(), PixelLayout::kBgra);

  Image indexed = *Image::create(40, 20, 1);
  TextStyle white_text;
  white_text.colour = rgb(255, 255, 255);
  ASSERT_TRUE(draw_text(indexed, "Hi", white_text, 2, 2));
  EXPECT_EQ(indexed.layout(), PixelLayout::kBgrx);
  EXPECT_TRUE(draw_text(indexed, "", TextStyle{}, 0, 0));
  Image invalid;
  EXPECT_FALSE(draw_text(invalid, "Hi", TextStyle{}, 0, 0));
}

}  // namespace
}  // namespace pictavo
