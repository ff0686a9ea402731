#include <gtest/gtest.h>
#include <tiffio.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "image/image_file.h"
#include "image/resample.h"
#include "image/test_pictures.h"

namespace pictavo {
namespace {

using test::pattern_colour;
using test::pixels_match;
using test::valid_picture;

Result<Image> load(const std::string& name, const DecodeOptions& options = {}) {
  const std::filesystem::path path = valid_picture(name);
  return load_image(path, image_type_of(path), options);
}

DecodeOptions frame(int number) {
  DecodeOptions options;
  options.frame = number;
  return options;
}

DecodeOptions target(int width, int height, bool cover = false) {
  DecodeOptions options;
  options.target = {width, height, cover};
  return options;
}

// An APP1 block with a one-entry EXIF directory holding the orientation.
Bytes with_orientation(const Bytes& jpeg, int orientation) {
  const std::uint8_t app1[] = {
      0xFF, 0xE1, 0, 34, 'E', 'x', 'i', 'f', 0, 0,
      'M',  'M',  0, 42, 0,   0,   0,   8,   0, 1,
      1,    0x12, 0, 3,  0,   0,   0,   1,   0, static_cast<std::uint8_t>(orientation),
      0,    0,    0, 0,  0,   0};
  Bytes out(std::begin(app1), std::end(app1));
  out.insert(out.begin(), {jpeg[0], jpeg[1]});
  out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
  return out;
}

// A 64 × 48 JPEG: the pattern enlarged eight times.
Bytes big_jpeg() {
  Image image = test::pattern_image();
  EXPECT_TRUE(resample(image, 64, 48));
  EncodeOptions quality;
  quality.jpeg_quality = 95;
  return *encode_image(image, ImageFormat::kJpeg, quality);
}

TEST(CodecOptions, ExifOrientationTurnsPhotosUpright) {
  const Image six = *load("orientation6.jpg");
  ASSERT_EQ(six.width(), 6);
  ASSERT_EQ(six.height(), 8);
  EXPECT_EQ(six.origin().orientation, 6);
  EXPECT_TRUE(pixels_match(
      six, [](int x, int y) { return pattern_colour(y, 5 - x); }, 40));

  const Image three = *load("orientation3.jpg");
  EXPECT_TRUE(pixels_match(
      three, [](int x, int y) { return pattern_colour(7 - x, 5 - y); }, 40));

  const Image tiff = *load("orientation6.tif");
  ASSERT_EQ(tiff.width(), 6);
  EXPECT_TRUE(pixels_match(tiff, [](int x, int y) { return pattern_colour(y, 5 - x); }));

  DecodeOptions stored;
  stored.apply_orientation = false;
  const Image as_stored = *load("orientation6.jpg", stored);
  EXPECT_EQ(as_stored.width(), 8);
  EXPECT_EQ(as_stored.origin().orientation, 6);

  const Result<ImageInfo> info =
      probe_image_file(valid_picture("orientation6.jpg"), ImageFormat::kJpeg);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->width, 6);
  EXPECT_EQ(info->height, 8);
  EXPECT_EQ(info->orientation, 6);
}

TEST(CodecOptions, EveryOrientationValueTurnsTheRightWay) {
  const Bytes plain = big_jpeg();
  const Image reference = *decode_image(plain, ImageFormat::kJpeg);
  // Where the upright pixel (x, y) of a w × h upright picture was stored.
  const auto stored = [&](int orientation, int x, int y, int w, int h) {
    switch (orientation) {
      case 2:
        return reference.pixel(w - 1 - x, y);
      case 3:
        return reference.pixel(w - 1 - x, h - 1 - y);
      case 4:
        return reference.pixel(x, h - 1 - y);
      case 5:
        return reference.pixel(y, x);
      case 6:
        return reference.pixel(y, w - 1 - x);
      case 7:
        return reference.pixel(h - 1 - y, w - 1 - x);
      case 8:
        return reference.pixel(h - 1 - y, x);
      default:
        return reference.pixel(x, y);
    }
  };
  for (int orientation = 1; orientation <= 8; ++orientation) {
    SCOPED_TRACE(orientation);
    const Image image = *decode_image(with_orientation(plain, orientation), ImageFormat::kJpeg);
    const int w = image.width(), h = image.height();
    EXPECT_EQ(w, orientation >= 5 ? 48 : 64);
    EXPECT_TRUE(pixels_match(image, [&](int x, int y) { return stored(orientation, x, y, w, h); }));
  }
}

TEST(CodecOptions, FramesOfAnimationsPagesAndIcons) {
  const RgbQuad red = rgb(255, 0, 0), green = rgb(0, 255, 0), blue = rgb(0, 0, 255);
  const Image first = *load("animation.gif", frame(0));
  EXPECT_EQ(first.origin().frame_count, 3);
  EXPECT_TRUE(pixels_match(first, [&](int, int) { return red; }));
  const Image second = *load("animation.gif", frame(1));
  EXPECT_EQ(second.origin().frame, 1);
  EXPECT_EQ(second.pixel(3, 3), green);
  EXPECT_EQ(second.pixel(1, 1), red);
  const Image third = *load("animation.gif", frame(2));
  EXPECT_EQ(third.pixel(0, 0), blue);
  EXPECT_EQ(third.pixel(5, 4), green);  // the earlier frame stays
  EXPECT_EQ(third.pixel(7, 5), red);

  for (const auto& [file, count] :
       {std::pair{"animation.gif", 3}, {"pages.tif", 2}, {"icon.ico", 2}}) {
    SCOPED_TRACE(file);
    const Result<Image> beyond = load(file, frame(count));
    ASSERT_FALSE(beyond);
    EXPECT_NE(beyond.reason().find("there is no frame"), std::string::npos) << beyond.reason();
    EXPECT_EQ(load(file, frame(count - 1))->origin().frame_count, count);
  }
  EXPECT_FALSE(load("pattern.png", frame(1)));
  EXPECT_FALSE(load("pattern.png", frame(-1)));
  EXPECT_EQ(load("icon.ico", frame(0))->width(), 16);
}

TEST(CodecOptions, JpegDecodesAtTheSmallestScaleThatCoversTheTarget) {
  const Bytes jpeg = big_jpeg();
  const auto size_for = [&](const DecodeOptions& options) {
    const Image image = *decode_image(jpeg, ImageFormat::kJpeg, options);
    EXPECT_EQ(image.origin().full_width, 64);
    EXPECT_EQ(image.origin().full_height, 48);
    return std::pair{image.width(), image.height()};
  };
  EXPECT_EQ(size_for(target(8, 6)), (std::pair{8, 6}));
  EXPECT_EQ(size_for(target(16, 12)), (std::pair{16, 12}));
  EXPECT_EQ(size_for(target(10, 6)), (std::pair{8, 6}));          // fitted: 6 rows are enough
  EXPECT_EQ(size_for(target(10, 6, true)), (std::pair{16, 12}));  // covering: 10 columns are not
  EXPECT_EQ(size_for(target(200, 200)), (std::pair{64, 48}));
  EXPECT_EQ(size_for(DecodeOptions{}), (std::pair{64, 48}));

  const Image reduced = *decode_image(jpeg, ImageFormat::kJpeg, target(8, 6));
  EXPECT_TRUE(pixels_match(reduced, pattern_colour, 48));
}

TEST(CodecOptions, TargetSizesAreUprightForTurnedPhotos) {
  const Bytes turned = with_orientation(big_jpeg(), 6);
  const Image image = *decode_image(turned, ImageFormat::kJpeg, target(6, 8));
  EXPECT_EQ(image.width(), 6);
  EXPECT_EQ(image.height(), 8);
  EXPECT_EQ(image.origin().full_width, 48);
  EXPECT_EQ(image.origin().full_height, 64);
}

TEST(CodecOptions, LoadWithinReducesButNeverEnlarges) {
  test::TempFolder folder;
  const Bytes jpeg = big_jpeg();
  std::ofstream(folder / "big.jpg", std::ios::binary)
      .write(reinterpret_cast<const char*>(jpeg.data()), static_cast<std::streamsize>(jpeg.size()));
  const Image within = *load_image_within(folder / "big.jpg", ImageFormat::kJpeg, 20, 20);
  EXPECT_EQ(within.width(), 20);
  EXPECT_EQ(within.height(), 15);
  EXPECT_EQ(within.origin().full_width, 64);
  EXPECT_EQ(within.origin().format, ImageFormat::kJpeg);

  const Image small = *load_image_within(valid_picture("pattern.png"), ImageFormat::kPng, 100, 100);
  EXPECT_EQ(small.width(), 8);
  EXPECT_FALSE(load_image_within(valid_picture("pattern.png"), ImageFormat::kPng, 0, 10));
}

// A photo-like picture: smooth gradients crossed by hard edges.
Image photo_like(int width, int height) {
  Image image = *Image::create(width, height, 24);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool light = (x / 37 + y / 29) % 2 == 0;
      image.set_pixel(x, y,
                      rgb(static_cast<std::uint8_t>(x * 255 / width),
                          static_cast<std::uint8_t>(y * 255 / height), light ? 200 : 60));
    }
  }
  return image;
}

// The largest difference of any colour channel of two pictures of one size.
int largest_difference(const Image& a, const Image& b) {
  int largest = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x)
      largest = std::max(largest, test::channel_difference(a.pixel(x, y), b.pixel(x, y)));
  }
  return largest;
}

// A TIFF of 8-bit RGB or grey samples in strips of `rows` rows, or in square tiles
// of `tile` pixels; the bytes of the file.
Bytes tiff_file(const Image& picture, bool grey, std::uint32_t rows, std::uint32_t tile = 0) {
  test::TempFolder folder;
  const std::filesystem::path path = folder / "picture.tif";
  TIFF* tif = TIFFOpen(path.c_str(), "w");
  const int samples = grey ? 1 : 3;
  TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, static_cast<std::uint32_t>(picture.width()));
  TIFFSetField(tif, TIFFTAG_IMAGELENGTH, static_cast<std::uint32_t>(picture.height()));
  TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 8);
  TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, samples);
  TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, grey ? PHOTOMETRIC_MINISBLACK : PHOTOMETRIC_RGB);
  TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(tif, TIFFTAG_COMPRESSION, COMPRESSION_DEFLATE);
  std::vector<std::uint8_t> samples_of(static_cast<std::size_t>(picture.width()) *
                                       picture.height() * samples);
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const RgbQuad colour = picture.pixel(x, y);
      std::uint8_t* out =
          &samples_of[(static_cast<std::size_t>(y) * picture.width() + x) * samples];
      out[0] = grey ? colour.green : colour.red;
      if (!grey) {
        out[1] = colour.green;
        out[2] = colour.blue;
      }
    }
  }
  const std::size_t row_bytes = static_cast<std::size_t>(picture.width()) * samples;
  if (tile > 0) {
    TIFFSetField(tif, TIFFTAG_TILEWIDTH, tile);
    TIFFSetField(tif, TIFFTAG_TILELENGTH, tile);
    std::vector<std::uint8_t> block(std::size_t{tile} * tile * samples);
    for (std::uint32_t ty = 0; ty < static_cast<std::uint32_t>(picture.height()); ty += tile) {
      for (std::uint32_t tx = 0; tx < static_cast<std::uint32_t>(picture.width()); tx += tile) {
        std::fill(block.begin(), block.end(), 0);
        for (std::uint32_t y = 0; y < tile && ty + y < static_cast<std::uint32_t>(picture.height());
             ++y) {
          const std::size_t count =
              std::min<std::size_t>(tile, picture.width() - tx) * static_cast<std::size_t>(samples);
          std::memcpy(&block[std::size_t{y} * tile * samples],
                      &samples_of[(ty + y) * row_bytes + tx * samples], count);
        }
        TIFFWriteTile(tif, block.data(), tx, ty, 0, 0);
      }
    }
  } else {
    TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, rows);
    for (int y = 0; y < picture.height(); ++y)
      TIFFWriteScanline(tif, &samples_of[static_cast<std::size_t>(y) * row_bytes], y, 0);
  }
  TIFFClose(tif);
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Formats that read rows reduce a picture while reading it, never holding it
// whole, to exactly what reducing the whole picture gives.
TEST(CodecOptions, RowFormatsReduceWhileReadingToTheSamePixels) {
  Image palette = *Image::create(1203, 901, 8);  // grey levels
  for (int y = 0; y < palette.height(); ++y) {
    for (int x = 0; x < palette.width(); ++x) {
      const bool light = (x / 37 + y / 29) % 2 == 0;
      palette.row(y)[x] = static_cast<std::uint8_t>(light ? x * 255 / 1203 : 255 - y * 255 / 901);
    }
  }
  const struct {
    const char* name;
    ImageFormat format;
    Image picture;
  } cases[] = {
      {"PNG", ImageFormat::kPng, photo_like(1203, 901)},
      {"PNG with a palette", ImageFormat::kPng, palette},
      {"BMP", ImageFormat::kBmp, photo_like(1203, 901)},
  };
  const Image photo = photo_like(1203, 901);
  const struct {
    const char* name;
    Bytes file;
  } tiffs[] = {
      {"TIFF in strips of 5 rows", tiff_file(photo, false, 5)},
      {"TIFF in one strip", tiff_file(photo, false, 901)},
      {"grey TIFF in one strip", tiff_file(photo, true, 901)},
      {"TIFF in tiles", tiff_file(photo, false, 0, 128)},
  };
  std::vector<std::pair<std::string, std::pair<ImageFormat, Bytes>>> files;
  for (const auto& c : cases)
    files.push_back({c.name, {c.format, *encode_image(c.picture, c.format)}});
  for (const auto& tiff : tiffs)
    files.push_back({tiff.name, {ImageFormat::kTiff, tiff.file}});
  for (const auto& [name, file_of] : files) {
    SCOPED_TRACE(name);
    const auto& [format, file] = file_of;
    const Image whole = *decode_image(file, format);
    for (const TargetSize wanted : {TargetSize{160, 120, false}, TargetSize{480, 272, true}}) {
      const Image reduced = *decode_image(file, format, {.target = wanted});
      EXPECT_EQ(reduced.origin().full_width, 1203);
      EXPECT_EQ(reduced.origin().full_height, 901);
      Image today = whole;
      ASSERT_TRUE(resample(today, reduced.width(), reduced.height()));
      EXPECT_LT(reduced.width(), 1203);
      EXPECT_EQ(largest_difference(today, reduced), 0) << wanted.width << " x " << wanted.height;
    }
  }
}

// Every layout of the bitmaps, from the file and from memory: reduced while read,
// or decoded whole where its rows come only that way (run-length coding).
TEST(CodecOptions, EveryBitmapLayoutReducesToTheSamePixels) {
  for (const char* name :
       {"alpha.bmp", "bilevel.bmp", "masks-rgb32.bmp", "masks1010102.bmp", "masks444.bmp",
        "masks4444.bmp", "masks555.bmp", "masks565.bmp", "palette.bmp", "pattern.bmp", "rle4.bmp",
        "top-down1.bmp", "top-down16.bmp", "top-down24.bmp", "top-down32.bmp", "top-down4.bmp",
        "top-down8.bmp"}) {
    SCOPED_TRACE(name);
    const std::filesystem::path path = valid_picture(name);
    Image today = *load_image(path, ImageFormat::kBmp);
    const int width = std::max(1, today.width() / 2);
    const int height = std::max(1, today.height() / 2);
    ASSERT_TRUE(resample(today, width, height));
    Result<Image> from_file = load_image(path, ImageFormat::kBmp, target(width, height));
    ASSERT_TRUE(from_file) << from_file.reason();
    const bool run_length = std::string(name) == "rle4.bmp" || std::string(name) == "palette.bmp";
    EXPECT_EQ(from_file->width() == width, !run_length);
    ASSERT_TRUE(resample(*from_file, width, height));
    EXPECT_EQ(largest_difference(today, *from_file), 0);
    EXPECT_EQ(from_file->layout(), today.layout());
  }
}

TEST(CodecOptions, Jpeg2000AndMetafilesAlsoDecodeSmaller) {
  Image image = test::pattern_image();
  ASSERT_TRUE(resample(image, 64, 48));
  const Bytes jp2 = *encode_image(image, ImageFormat::kJp2);
  const Image reduced = *decode_image(jp2, ImageFormat::kJp2, target(16, 12));
  EXPECT_EQ(reduced.width(), 16);
  EXPECT_EQ(reduced.origin().full_width, 64);

  const Image drawing = *load("drawing.wmf", target(16, 12));
  EXPECT_EQ(drawing.width(), 16);
  EXPECT_EQ(drawing.height(), 12);
  EXPECT_EQ(drawing.origin().full_width, 32);

  // A drawing's sides are drawn 4096 pixels long at most, however tall it claims to be.
  // Kept apart from valid/, whose pictures decode at the size their probe states.
  const std::filesystem::path tall_file = test::test_data_folder() / "images" / "tall.wmf";
  const Image tall = *load_image(tall_file, ImageFormat::kWmf);
  EXPECT_EQ(tall.height(), 4096);
  EXPECT_EQ(tall.origin().full_height, 32744);
}

TEST(CodecOptions, ProbeReadsOnlyTheHeader) {
  test::TempFolder folder;
  Image image = test::pattern_image();
  ASSERT_TRUE(resample(image, 640, 480));
  const Bytes jpeg = *encode_image(image, ImageFormat::kJpeg);
  std::ofstream(folder / "cut.jpg", std::ios::binary)
      .write(reinterpret_cast<const char*>(jpeg.data()),
             static_cast<std::streamsize>(jpeg.size() / 2));
  const Result<ImageInfo> info = probe_image_file(folder / "cut.jpg", ImageFormat::kJpeg);
  ASSERT_TRUE(info) << info.reason();
  EXPECT_EQ(info->width, 640);
  EXPECT_FALSE(load_image(folder / "cut.jpg", ImageFormat::kJpeg));
}

}  // namespace
}  // namespace pictavo
