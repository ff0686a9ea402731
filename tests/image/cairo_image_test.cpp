#include "image/cairo_image.h"

#include <gtest/gtest.h>

#include "image/test_pictures.h"

namespace pictavo {
namespace {

TEST(CairoImage, TwentyFourBitPicturesAreSharedNotCopied) {
  Image image = *Image::create(5, 3, 24);
  ASSERT_TRUE(shares_pixels_with_cairo(image));
  const CairoSurface surface = cairo_surface_for(image);
  ASSERT_TRUE(surface);
  EXPECT_EQ(cairo_image_surface_get_data(surface.get()), image.data());
  EXPECT_EQ(cairo_image_surface_get_format(surface.get()), CAIRO_FORMAT_RGB24);
  EXPECT_EQ(cairo_image_surface_get_stride(surface.get()), 20);

  cairo_t* cr = cairo_create(surface.get());
  cairo_set_source_rgb(cr, 1, 0, 0);
  cairo_rectangle(cr, 1, 1, 2, 1);
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_surface_flush(surface.get());
  EXPECT_EQ(image.pixel(1, 1), rgb(255, 0, 0));
  EXPECT_EQ(image.pixel(3, 1), rgb(0, 0, 0));
}

TEST(CairoImage, AlphaPicturesGoThroughPremultipliedCopies) {
  Image image = *Image::create(2, 1, 32);
  image.set_pixel(0, 0, rgb(200, 100, 50, 128));
  image.set_pixel(1, 0, rgb(10, 20, 30, 255));
  EXPECT_FALSE(shares_pixels_with_cairo(image));
  const CairoSurface surface = cairo_surface_for(image);
  ASSERT_TRUE(surface);
  EXPECT_EQ(cairo_image_surface_get_format(surface.get()), CAIRO_FORMAT_ARGB32);
  const std::uint8_t* premultiplied = cairo_image_surface_get_data(surface.get());
  EXPECT_EQ(premultiplied[2], 100);  // red 200 × 128 / 255
  EXPECT_EQ(premultiplied[3], 128);

  const std::optional<Image> back = image_from_cairo_surface(surface.get());
  ASSERT_TRUE(back);
  EXPECT_LE(test::channel_difference(back->pixel(0, 0), image.pixel(0, 0)), 1);
  EXPECT_EQ(back->pixel(0, 0).alpha, 128);
  EXPECT_EQ(back->pixel(1, 0), rgb(10, 20, 30));
}

TEST(CairoImage, DrawingOnCopiedPicturesIsKept) {
  Image image = *Image::create(3, 1, 8);  // indexed: copied
  ASSERT_TRUE(draw_with_cairo(image, [](cairo_t* cr) {
    cairo_set_source_rgb(cr, 0, 0, 1);
    cairo_rectangle(cr, 2, 0, 1, 1);
    cairo_fill(cr);
  }));
  EXPECT_EQ(image.layout(), PixelLayout::kBgrx);
  EXPECT_EQ(image.pixel(2, 0), rgb(0, 0, 255));
  EXPECT_EQ(image.pixel(0, 0), rgb(0, 0, 0));
}

TEST(CairoImage, TransparentColourBecomesAlpha) {
  Image image = *Image::create(2, 1, 24);
  image.set_pixel(1, 0, rgb(0, 255, 0));
  image.set_transparent_colour(rgb(0, 255, 0));
  const CairoSurface surface = cairo_surface_for(image);
  ASSERT_TRUE(surface);
  EXPECT_EQ(cairo_image_surface_get_data(surface.get())[7], 0);
}

}  // namespace
}  // namespace pictavo
