#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <utility>

#include "image/image_file.h"
#include "image/test_pictures.h"

namespace pictavo {
namespace {

using test::pattern_bit;
using test::pattern_colour;
using test::pattern_grey;
using test::pixels_match;
using test::valid_picture;

Image load(const std::string& name, const DecodeOptions& options = {}) {
  const std::filesystem::path path = valid_picture(name);
  Result<Image> image = load_image(path, image_type_of(path), options);
  EXPECT_TRUE(image) << name << ": " << image.reason();
  return image ? std::move(*image) : Image();
}

RgbQuad grey(int level) {
  return rgb(static_cast<std::uint8_t>(level), static_cast<std::uint8_t>(level),
             static_cast<std::uint8_t>(level));
}

struct ColourCase {
  const char* file;
  int tolerance;
  int frame;
};

TEST(CodecDecode, EveryColourPictureShowsThePattern) {
  const ColourCase cases[] = {
      {"pattern.bmp", 0, 0},   {"palette.bmp", 0, 0},      {"pattern.gif", 0, 0},
      {"palette.png", 0, 0},   {"pattern.png", 0, 0},      {"pattern.tif", 0, 0},
      {"pages.tif", 0, 0},     {"pattern.tga", 0, 0},      {"rle.tga", 0, 0},
      {"pattern.pcx", 0, 0},   {"palette.pcx", 0, 0},      {"pattern.ppm", 0, 0},
      {"plain.ppm", 0, 0},     {"pattern.ras", 0, 0},      {"png-entry.ico", 0, 0},
      {"icon.ico", 0, 1},      {"pattern.jp2", 0, 0},      {"pattern.jpc", 0, 0},
      {"pattern.jpg", 40, 0},  {"progressive.jpg", 40, 0}, {"cmyk.jpg", 48, 0},
      {"pattern16.ppm", 1, 0},
  };
  for (const ColourCase& c : cases) {
    SCOPED_TRACE(c.file);
    DecodeOptions options;
    options.frame = c.frame;
    const Image image = load(c.file, options);
    ASSERT_EQ(image.width(), test::kPatternWidth);
    ASSERT_EQ(image.height(), test::kPatternHeight);
    EXPECT_TRUE(pixels_match(image, pattern_colour, c.tolerance));
    EXPECT_EQ(image.origin().format, image_type_of(c.file));
  }
}

TEST(CodecDecode, GreyAndBilevelPicturesShowThePattern) {
  for (const auto& [file, tolerance] : {std::pair{"grey.pgm", 0},
                                        {"grey.pgx", 0},
                                        {"grey16.png", 0},
                                        {"grey16.pgm", 0},
                                        {"signed16.pgx", 1},
                                        {"grey.jpg", 3}}) {
    SCOPED_TRACE(file);
    EXPECT_TRUE(pixels_match(
        load(file), [](int x, int y) { return grey(pattern_grey(x, y)); }, tolerance));
  }
  for (const char* file : {"bilevel.bmp", "bilevel.pnm", "bilevel.wbmp"}) {
    SCOPED_TRACE(file);
    EXPECT_TRUE(
        pixels_match(load(file), [](int x, int y) { return grey(pattern_bit(x, y) ? 255 : 0); }));
  }
  DecodeOptions second_page;
  second_page.frame = 1;
  EXPECT_TRUE(pixels_match(load("pages.tif", second_page),
                           [](int x, int y) { return grey(pattern_grey(x, y)); }));
}

TEST(CodecDecode, RunLengthCodedBitmapsAndRasters) {
  EXPECT_TRUE(pixels_match(load("rle4.bmp"), [](int x, int y) { return grey((x + y) % 16 * 17); }));
  EXPECT_TRUE(pixels_match(load("rle.ras"), [](int x, int y) {
    return grey(y == 1 && x < 4 ? 128 : pattern_grey(x, y));
  }));
}

TEST(CodecDecode, KeepsIndexedPicturesIndexed) {
  for (const char* file :
       {"pattern.gif", "palette.png", "palette.pcx", "bilevel.wbmp", "rle.ras"}) {
    SCOPED_TRACE(file);
    const Image image = load(file);
    EXPECT_EQ(image.layout(), PixelLayout::kIndexed);
  }
  EXPECT_EQ(load("bilevel.wbmp").bits_per_pixel(), 1);
}

TEST(CodecDecode, AlphaSurvivesDecoding) {
  const auto alpha_of = test::pattern_alpha;
  for (const char* file : {"alpha.png", "alpha.bmp", "alpha.tif"}) {
    SCOPED_TRACE(file);
    const Image image = load(file);
    ASSERT_EQ(image.layout(), PixelLayout::kBgra);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        EXPECT_EQ(image.pixel(x, y).alpha, alpha_of(x)) << x << "," << y;
        if (alpha_of(x) > 0) {
          EXPECT_LE(test::channel_difference(image.pixel(x, y), pattern_colour(x, y)), 1);
        }
      }
    }
  }
  const Image gif = load("transparent.gif");
  EXPECT_GE(gif.transparent_index(), 0);
  EXPECT_EQ(gif.pixel(7, 3).alpha, 0);
  EXPECT_EQ(gif.pixel(1, 3), pattern_colour(1, 3));
}

// A channel value as a mask `bits` wide keeps it: rounded to the mask's width (as
// scripts/make-test-images writes it), then scaled back to 8 bits.
std::uint8_t through_mask(int value, int bits) {
  const int top = (1 << bits) - 1;
  const int kept = (value * top + 127) / 255;
  return static_cast<std::uint8_t>((kept * 255 + top / 2) / top);
}

// The colour pattern through masks of these widths; alpha_bits 0: opaque.
std::function<RgbQuad(int, int)> masked_pattern(int red_bits, int green_bits, int blue_bits,
                                                int alpha_bits) {
  return [=](int x, int y) {
    const RgbQuad colour = pattern_colour(x, y);
    RgbQuad quad = rgb(through_mask(colour.red, red_bits), through_mask(colour.green, green_bits),
                       through_mask(colour.blue, blue_bits));
    if (alpha_bits > 0) quad.alpha = through_mask(test::pattern_alpha(x), alpha_bits);
    return quad;
  };
}

TEST(CodecDecode, BitmapsOfEveryLayoutShowThePattern) {
  const std::pair<const char*, std::function<RgbQuad(int, int)>> cases[] = {
      {"top-down1.bmp", [](int x, int y) { return grey(pattern_bit(x, y) ? 255 : 0); }},
      {"top-down4.bmp", [](int x, int y) { return grey((x + y) % 16 * 17); }},
      {"top-down8.bmp", masked_pattern(8, 8, 8, 0)},
      {"top-down16.bmp", masked_pattern(5, 5, 5, 0)},
      {"top-down24.bmp", masked_pattern(8, 8, 8, 0)},
      {"top-down32.bmp", masked_pattern(8, 8, 8, 0)},
      {"masks565.bmp", masked_pattern(5, 6, 5, 0)},
      {"masks555.bmp", masked_pattern(5, 5, 5, 0)},
      {"masks444.bmp", masked_pattern(4, 4, 4, 0)},
      {"masks4444.bmp", masked_pattern(4, 4, 4, 4)},
      {"masks-rgb32.bmp", masked_pattern(8, 8, 8, 0)},
      {"masks1010102.bmp", masked_pattern(10, 10, 10, 2)},
      {"alpha.bmp", masked_pattern(8, 8, 8, 8)},
  };
  for (const auto& [file, expected] : cases) {
    SCOPED_TRACE(file);
    const Image image = load(file);
    ASSERT_EQ(image.width(), test::kPatternWidth);
    ASSERT_EQ(image.height(), test::kPatternHeight);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const RgbQuad got = image.pixel(x, y);
        const RgbQuad want = expected(x, y);
        ASSERT_TRUE(got == want) << "pixel (" << x << ", " << y << ") is " << int{got.red} << ","
                                 << int{got.green} << "," << int{got.blue} << "," << int{got.alpha}
                                 << " instead of " << int{want.red} << "," << int{want.green} << ","
                                 << int{want.blue} << "," << int{want.alpha};
      }
    }
  }
}

TEST(CodecDecode, MultiPageFilesHoldTheFramesTheyCanShow) {
  const std::pair<std::filesystem::path, int> cases[] = {
      {valid_picture("pages.tif"), 2},
      {valid_picture("looping-pages.tif"), 2},  // the last page names itself as the next
      {valid_picture("animation.gif"), 3},
      {test::broken_picture("no-trailer.gif"), 1},
  };
  for (const auto& [path, frames] : cases) {
    SCOPED_TRACE(path.filename().string());
    const Result<ImageInfo> info = probe_image_file(path, image_type_of(path));
    ASSERT_TRUE(info) << info.reason();
    EXPECT_EQ(info->frame_count, frames);
    DecodeOptions options;
    options.frame = frames - 1;
    const Result<Image> last = load_image(path, image_type_of(path), options);
    ASSERT_TRUE(last) << last.reason();
    EXPECT_EQ(last->origin().frame_count, frames);
    options.frame = frames;
    const Result<Image> beyond = load_image(path, image_type_of(path), options);
    ASSERT_FALSE(beyond);
    EXPECT_EQ(beyond.reason(), missing_frame(frames, frames).reason);
  }
}

TEST(CodecDecode, MetafilesAreDrawnAtTheirSize) {
  const Image drawing = load("drawing.wmf");
  ASSERT_EQ(drawing.width(), 32);
  ASSERT_EQ(drawing.height(), 24);
  EXPECT_EQ(drawing.pixel(8, 12), rgb(255, 0, 0));
  EXPECT_EQ(drawing.pixel(24, 12), rgb(255, 255, 255));
}

// A 138-byte file whose pen is half as wide as its picture kept the drawing busy
// for seconds, and a wider one for minutes; a file that draws nothing has no size.
TEST(CodecDecode, MetafilesTooCostlyOrEmptyToDrawAreRefused) {
  const std::filesystem::path images = test::test_data_folder() / "images";
  const Result<Image> wide_pen = load_image(images / "wide-pen.wmf", ImageFormat::kWmf);
  ASSERT_FALSE(wide_pen);
  EXPECT_EQ(wide_pen.reason(), "the WMF drawing is too complex to draw");
  const Result<Image> blank = load_image(images / "blank.wmf", ImageFormat::kWmf);
  ASSERT_FALSE(blank);
  EXPECT_EQ(blank.reason(), "the WMF drawing has nothing in it");
}

TEST(CodecDecode, ContentWinsOverAWrongExtension) {
  test::TempFolder folder;
  std::filesystem::copy_file(valid_picture("pattern.png"), folder / "photo.jpg");
  Result<Image> image = load_image(folder / "photo.jpg", ImageFormat::kJpeg);
  ASSERT_TRUE(image) << image.reason();
  EXPECT_EQ(image->origin().format, ImageFormat::kPng);
  EXPECT_EQ(detect_image_format(folder / "photo.jpg"), ImageFormat::kPng);

  std::ofstream(folder / "notes.png") << "not a picture at all";
  image = load_image(folder / "notes.png", ImageFormat::kPng);
  ASSERT_FALSE(image);
  EXPECT_EQ(image.reason(), "not a PNG file");
}

TEST(CodecDecode, UnknownTypesAndMissingFilesAreRefused) {
  Result<Image> image = load_image(valid_picture("pattern.png"), ImageFormat::kUnknown);
  ASSERT_FALSE(image);
  EXPECT_EQ(image.reason(), "unknown picture type");
  image = load_image(valid_picture("no-such.png"), ImageFormat::kPng);
  ASSERT_FALSE(image);
  EXPECT_NE(image.reason().find("cannot open"), std::string::npos);
  image = load_image(test::test_data_folder(), ImageFormat::kPng);
  EXPECT_FALSE(image);
  EXPECT_FALSE(probe_image_file(valid_picture("pattern.png"), ImageFormat::kUnknown));
}

TEST(CodecDecode, ProbeAgreesWithDecoding) {
  for (const auto& entry : std::filesystem::directory_iterator(valid_picture(""))) {
    const std::filesystem::path path = entry.path();
    SCOPED_TRACE(path.filename().string());
    const Result<ImageInfo> info = probe_image_file(path, image_type_of(path));
    ASSERT_TRUE(info) << info.reason();
    const Image image = load(path.filename().string());
    EXPECT_EQ(info->width, image.width());
    EXPECT_EQ(info->height, image.height());
    EXPECT_EQ(info->frame_count, image.origin().frame_count);
    EXPECT_EQ(info->format, image.origin().format);
  }
}

}  // namespace
}  // namespace pictavo
