#include <gtest/gtest.h>

#include <string>

#include "image/image_file.h"
#include "image/test_pictures.h"

namespace pictavo {
namespace {

using test::pattern_colour;
using test::pixels_match;

Image round_trip(const Image& image, ImageFormat format, const EncodeOptions& options = {}) {
  Result<Bytes> bytes = encode_image(image, format, options);
  EXPECT_TRUE(bytes) << format_name(format) << ": " << bytes.reason();
  if (!bytes) return Image();
  Result<Image> decoded = decode_image(*bytes, format);
  EXPECT_TRUE(decoded) << format_name(format) << ": " << decoded.reason();
  if (decoded) {
    EXPECT_EQ(decoded->origin().format, format);
  }
  return decoded ? std::move(*decoded) : Image();
}

TEST(CodecRoundTrip, ColourPicturesComeBackExactly) {
  for (const ImageFormat format :
       {ImageFormat::kBmp, ImageFormat::kGif, ImageFormat::kPng, ImageFormat::kIco,
        ImageFormat::kTiff, ImageFormat::kTga, ImageFormat::kPcx, ImageFormat::kPnm,
        ImageFormat::kRas, ImageFormat::kJp2, ImageFormat::kJpc}) {
    SCOPED_TRACE(format_name(format));
    const Image image = round_trip(test::pattern_image(), format);
    ASSERT_EQ(image.width(), test::kPatternWidth);
    EXPECT_TRUE(pixels_match(image, pattern_colour));
  }
}

TEST(CodecRoundTrip, JpegIsCloseAndBaseline) {
  EncodeOptions best;
  best.jpeg_quality = 100;
  EXPECT_TRUE(pixels_match(round_trip(test::pattern_image(), ImageFormat::kJpeg, best),
                           pattern_colour, 40));
  EncodeOptions low;
  low.jpeg_quality = 10;
  const Bytes small = *encode_image(test::pattern_image(), ImageFormat::kJpeg, low);
  const Bytes large = *encode_image(test::pattern_image(), ImageFormat::kJpeg, best);
  EXPECT_LT(small.size(), large.size());
  // A baseline frame header (SOF0), never a progressive one (SOF2).
  bool baseline = false, progressive = false;
  for (std::size_t i = 0; i + 1 < large.size(); ++i) {
    baseline |= large[i] == 0xFF && large[i + 1] == 0xC0;
    progressive |= large[i] == 0xFF && large[i + 1] == 0xC2;
  }
  EXPECT_TRUE(baseline);
  EXPECT_FALSE(progressive);
}

TEST(CodecRoundTrip, GreyAndBilevelFormatsKeepWhatTheyHold) {
  const Image grey = test::grey_image({{0, 30, 60}, {90, 200, 255}});
  for (const ImageFormat format : {ImageFormat::kPgx, ImageFormat::kPnm}) {
    SCOPED_TRACE(format_name(format));
    EXPECT_TRUE(
        pixels_match(round_trip(grey, format), [&](int x, int y) { return grey.pixel(x, y); }));
  }
  EXPECT_TRUE(pixels_match(round_trip(test::pattern_image(), ImageFormat::kPgx), [](int x, int y) {
    const auto level = static_cast<std::uint8_t>(luma(pattern_colour(x, y)));
    return rgb(level, level, level);
  }));
  const Image bits = test::grey_image({{0, 255, 127}, {128, 0, 255}});
  EXPECT_TRUE(pixels_match(round_trip(bits, ImageFormat::kWbmp), [](int x, int y) {
    const bool white = (y == 0 && x == 1) || (y == 1 && x != 1);
    return white ? rgb(255, 255, 255) : rgb(0, 0, 0);
  }));
}

TEST(CodecRoundTrip, AlphaIsKeptWhereTheFormatHasIt) {
  Image image = *Image::create(3, 2, 32);
  image.set_pixel(0, 0, rgb(10, 20, 30, 255));
  image.set_pixel(1, 0, rgb(40, 50, 60, 128));
  image.set_pixel(2, 1, rgb(70, 80, 90, 255));
  for (const ImageFormat format :
       {ImageFormat::kPng, ImageFormat::kTiff, ImageFormat::kBmp, ImageFormat::kTga,
        ImageFormat::kIco, ImageFormat::kJp2, ImageFormat::kJpc}) {
    SCOPED_TRACE(format_name(format));
    const Image back = round_trip(image, format);
    ASSERT_EQ(back.layout(), PixelLayout::kBgra);
    EXPECT_EQ(back.pixel(0, 0), rgb(10, 20, 30, 255));
    EXPECT_EQ(back.pixel(1, 0).alpha, 128);
    EXPECT_LE(test::channel_difference(back.pixel(1, 0), rgb(40, 50, 60)), 1);
    EXPECT_EQ(back.pixel(0, 1).alpha, 0);
  }
  const Image gif = round_trip(image, ImageFormat::kGif);
  EXPECT_EQ(gif.pixel(0, 1).alpha, 0);
  EXPECT_EQ(gif.pixel(1, 0).alpha, 255);  // at least half opaque
  EXPECT_EQ(gif.pixel(2, 1), rgb(70, 80, 90));
}

TEST(CodecRoundTrip, IndexedPicturesStayIndexed) {
  Image image = *Image::create(4, 2, 8);
  image.set_palette({rgb(1, 2, 3), rgb(200, 100, 50), rgb(0, 255, 0)});
  image.row(0)[1] = 1;
  image.row(1)[3] = 2;
  for (const ImageFormat format : {ImageFormat::kGif, ImageFormat::kPng, ImageFormat::kPcx,
                                   ImageFormat::kRas, ImageFormat::kTiff, ImageFormat::kBmp}) {
    SCOPED_TRACE(format_name(format));
    const Image back = round_trip(image, format);
    EXPECT_TRUE(pixels_match(back, [&](int x, int y) { return image.pixel(x, y); }));
    if (format != ImageFormat::kTiff && format != ImageFormat::kBmp) {
      EXPECT_EQ(back.layout(), PixelLayout::kIndexed);
    }
  }
  image.set_transparent_index(0);
  const Image gif = round_trip(image, ImageFormat::kGif);
  EXPECT_EQ(gif.transparent_index(), 0);
  EXPECT_EQ(round_trip(image, ImageFormat::kPng).transparent_index(), 0);
}

TEST(CodecRoundTrip, GifQuantisesPicturesOfManyColours) {
  Image image = *Image::create(32, 32, 24);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x)
      image.set_pixel(x, y, rgb(x * 8, y * 8, (x ^ y) * 8));
  }
  EXPECT_TRUE(pixels_match(
      round_trip(image, ImageFormat::kGif), [&](int x, int y) { return image.pixel(x, y); }, 40));
}

TEST(CodecRoundTrip, FormatsThatCannotBeWrittenSaySo) {
  const Result<Bytes> wmf = encode_image(test::pattern_image(), ImageFormat::kWmf);
  ASSERT_FALSE(wmf);
  EXPECT_EQ(wmf.reason(), "WMF pictures cannot be written");
  EXPECT_FALSE(encode_image(test::pattern_image(), ImageFormat::kUnknown));
  EXPECT_FALSE(encode_image(Image(), ImageFormat::kPng));
  const Result<Bytes> icon = encode_image(*Image::create(300, 10, 24), ImageFormat::kIco);
  ASSERT_FALSE(icon);
  EXPECT_NE(icon.reason().find("256"), std::string::npos);
}

TEST(CodecRoundTrip, SavesAtomicallyAndReportsFailures) {
  test::TempFolder folder;
  ASSERT_TRUE(save_image(test::pattern_image(), folder / "out.bmp", ImageFormat::kBmp));
  const Result<Image> back = load_image(folder / "out.bmp", ImageFormat::kBmp);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->bits_per_pixel(), 24);
  EXPECT_TRUE(pixels_match(*back, pattern_colour));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            1);  // no temporary file left behind

  const Status failed =
      save_image(test::pattern_image(), folder / "missing" / "out.bmp", ImageFormat::kBmp);
  ASSERT_FALSE(failed);
  EXPECT_NE(failed.reason().find("cannot write"), std::string::npos);
}

}  // namespace
}  // namespace pictavo
