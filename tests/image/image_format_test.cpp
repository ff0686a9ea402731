#include "image/image_format.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

TEST(ImageFormat, TypeOfAPathFollowsItsLowerCasedExtension) {
  EXPECT_EQ(image_type_of("a/b.bmp"), ImageFormat::kBmp);
  EXPECT_EQ(image_type_of("b.gif"), ImageFormat::kGif);
  EXPECT_EQ(image_type_of("photo.JPG"), ImageFormat::kJpeg);
  EXPECT_EQ(image_type_of("photo.JPEG"), ImageFormat::kJpeg);
  EXPECT_EQ(image_type_of("b.png"), ImageFormat::kPng);
  EXPECT_EQ(image_type_of("b.ico"), ImageFormat::kIco);
  EXPECT_EQ(image_type_of("b.tif"), ImageFormat::kTiff);
  EXPECT_EQ(image_type_of("b.Tiff"), ImageFormat::kTiff);
  EXPECT_EQ(image_type_of("b.tga"), ImageFormat::kTga);
  EXPECT_EQ(image_type_of("b.pcx"), ImageFormat::kPcx);
  EXPECT_EQ(image_type_of("b.wbmp"), ImageFormat::kWbmp);
  EXPECT_EQ(image_type_of("b.wmf"), ImageFormat::kWmf);
  EXPECT_EQ(image_type_of("b.emf"), ImageFormat::kWmf);
  EXPECT_EQ(image_type_of("b.jp2"), ImageFormat::kJp2);
  EXPECT_EQ(image_type_of("b.j2k"), ImageFormat::kJp2);
  EXPECT_EQ(image_type_of("b.jpc"), ImageFormat::kJpc);
  EXPECT_EQ(image_type_of("b.j2c"), ImageFormat::kJpc);
  EXPECT_EQ(image_type_of("b.pgx"), ImageFormat::kPgx);
  EXPECT_EQ(image_type_of("b.pnm"), ImageFormat::kPnm);
  EXPECT_EQ(image_type_of("b.pgm"), ImageFormat::kPnm);
  EXPECT_EQ(image_type_of("b.ppm"), ImageFormat::kPnm);
  EXPECT_EQ(image_type_of("b.ras"), ImageFormat::kRas);
}

TEST(ImageFormat, OtherOrMissingExtensionsAreUnknown) {
  EXPECT_EQ(image_type_of("photo.raw"), ImageFormat::kUnknown);
  EXPECT_EQ(image_type_of("photo"), ImageFormat::kUnknown);
  EXPECT_EQ(image_type_of("photo."), ImageFormat::kUnknown);
  EXPECT_EQ(image_type_of("folder.jpg/photo"), ImageFormat::kUnknown);
  EXPECT_EQ(image_type_of("archive.png.gz"), ImageFormat::kUnknown);
  EXPECT_EQ(image_type_of("b.pbm"), ImageFormat::kUnknown);
}

TEST(ImageFormat, TheThumbnailBrowserOpensOnlyItsElevenExtensions) {
  EXPECT_EQ(browser_thumbnail_type_of("PHOTO.JPG"), ImageFormat::kJpeg);
  EXPECT_EQ(browser_thumbnail_type_of("a.jpeg"), ImageFormat::kJpeg);
  EXPECT_EQ(browser_thumbnail_type_of("a.wmf"), ImageFormat::kWmf);
  EXPECT_EQ(browser_thumbnail_type_of("a.tif"), ImageFormat::kTiff);
  EXPECT_EQ(browser_thumbnail_type_of("a.pcx"), ImageFormat::kPcx);
  EXPECT_EQ(browser_thumbnail_type_of("a"), ImageFormat::kUnknown);
  for (const char* other : {"a.emf", "a.wbmp", "a.jp2", "a.jpc", "a.pgx", "a.ppm", "a.ras"}) {
    EXPECT_EQ(browser_thumbnail_type_of(other), ImageFormat::kUnknown) << other;
  }
}

TEST(ImageFormat, NamesTheFormats) {
  EXPECT_EQ(format_name(ImageFormat::kJpeg), "JPEG");
  EXPECT_EQ(format_name(ImageFormat::kRas), "RAS");
  EXPECT_EQ(format_name(ImageFormat::kUnknown), "unknown");
  EXPECT_EQ(format_name(static_cast<ImageFormat>(99)), "unknown");
}

}  // namespace
}  // namespace pictavo
