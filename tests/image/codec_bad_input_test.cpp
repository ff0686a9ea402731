#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "image/image_file.h"
#include "image/test_pictures.h"

namespace pictavo {
namespace {

Bytes read_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A decoder may refuse bad bytes or decode what they hold; it must never crash,
// refuse without a reason, or hand back a picture without pixels. What decodes
// also probes, with the same number of frames: every command gives a file the
// same answer.
void expect_clean_result(const Bytes& bytes, ImageFormat format, const std::string& what) {
  const Result<ImageInfo> info = probe_image(bytes, format);
  if (!info) {
    EXPECT_FALSE(info.reason().empty()) << what;
  }
  for (const int frame : {0, 1}) {
    DecodeOptions options;
    options.frame = frame;
    const Result<Image> image = decode_image(bytes, format, options);
    if (image) {
      EXPECT_TRUE(image->is_valid()) << what;
      EXPECT_GT(image->width(), 0) << what;
      ASSERT_TRUE(info) << what << ": decodes, but probing says " << info.reason();
      EXPECT_EQ(info->frame_count, image->origin().frame_count) << what;
    } else {
      EXPECT_FALSE(image.reason().empty()) << what;
    }
  }
}

TEST(CodecBadInput, LyingHeadersAreRefusedBeforeAllocating) {
  for (const char* file : {"huge.png", "huge.gif", "huge.tif", "huge.bmp"}) {
    const std::filesystem::path path = test::broken_picture(file);
    const Result<Image> image = load_image(path, image_type_of(path));
    ASSERT_FALSE(image) << file;
    EXPECT_NE(image.reason().find("too large"), std::string::npos)
        << file << ": " << image.reason();
  }
  const Result<Image> jpeg = load_image(test::broken_picture("huge.jpg"), ImageFormat::kJpeg);
  ASSERT_FALSE(jpeg);
  EXPECT_NE(jpeg.reason().find("dimension"), std::string::npos) << jpeg.reason();
}

TEST(CodecBadInput, DataEndingEarlyIsReported) {
  for (const char* file : {"short.pcx", "short.ras", "short.wbmp", "short.pgx", "outside.ico"}) {
    const std::filesystem::path path = test::broken_picture(file);
    const Result<Image> image = load_image(path, image_type_of(path));
    ASSERT_FALSE(image) << file;
    EXPECT_NE(image.reason().find("ends early"), std::string::npos)
        << file << ": " << image.reason();
  }
  for (const char* file : {"short.jpg", "short.png"}) {
    const std::filesystem::path path = test::broken_picture(file);
    EXPECT_FALSE(load_image(path, image_type_of(path))) << file;
  }
}

TEST(CodecBadInput, DamagedStructureIsRefusedWithItsReason) {
  const std::pair<const char*, const char*> cases[] = {
      {"palette-count.bmp", "the BMP palette is larger than the file"},
      {"long-run.bmp", "a BMP run goes past the end of its row"},
      {"long-literal.bmp", "a BMP run goes past the end of its row"},
      {"jump.bmp", "a BMP run jumps outside the picture"},
      {"overlapping-masks.bmp", "the BMP colour masks overlap"},
      {"wide-masks.bmp", "a BMP colour mask does not fit in 16-bit pixels"},
      {"long-chunk.png", "a PNG chunk runs past the end of the file"},
      {"loop.tif", "the TIFF page chain loops back to the first page"},
      {"strip.tif", "the TIFF data ends early"},
      {"frame.gif", "the GIF data ends early"},
      {"entries.ico", "the ICO directory is cut short"},
      {"long-box.jp2", "Invalid box size"},
      {"samples16.ppm", "damaged PNM data"},  // samples above the stated maximum
      // Coded pictures far larger than the stated 16 x 12: refused before decoding
      // when beyond libheif's limit, else before copying.
      {"coded-huge.heic", "Security limit exceeded"},
      {"coded-larger.heic", "the HEIF picture is not the size its file states"},
  };
  for (const auto& [file, reason] : cases) {
    const std::filesystem::path path = test::broken_picture(file);
    const Result<Image> image = load_image(path, image_type_of(path));
    ASSERT_FALSE(image) << file;
    EXPECT_NE(image.reason().find(reason), std::string::npos) << file << ": " << image.reason();
  }
}

TEST(CodecBadInput, EnhancedMetafilesAreRecognisedAndRefused) {
  const std::filesystem::path path = test::broken_picture("picture.emf");
  EXPECT_EQ(image_type_of(path), ImageFormat::kWmf);
  const Result<Image> image = load_image(path, ImageFormat::kWmf);
  ASSERT_FALSE(image);
  EXPECT_EQ(image.reason(), "EMF pictures (enhanced metafiles) cannot be decoded");
  EXPECT_FALSE(probe_image_file(path, ImageFormat::kWmf));
}

TEST(CodecBadInput, TruncatedPicturesFailCleanly) {
  for (const auto& entry : std::filesystem::directory_iterator(test::valid_picture(""))) {
    const std::filesystem::path path = entry.path();
    const Bytes whole = read_bytes(path);
    const ImageFormat format = image_type_of(path);
    for (const std::size_t length : {std::size_t{0}, std::size_t{1}, std::size_t{12},
                                     whole.size() / 3, whole.size() / 2, whole.size() - 1}) {
      const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
      expect_clean_result(cut, format,
                          path.filename().string() + " cut to " + std::to_string(length));
    }
    // Half a picture is never a whole one.
    const Bytes half(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(whole.size() / 2));
    EXPECT_FALSE(decode_image(half, format)) << path.filename();
  }
}

TEST(CodecBadInput, CorruptedBytesFailCleanly) {
  std::uint32_t state = 12345;
  const auto next = [&state] {
    state = state * 1103515245u + 12345u;
    return state >> 8;
  };
  for (const auto& entry : std::filesystem::directory_iterator(test::valid_picture(""))) {
    const std::filesystem::path path = entry.path();
    const Bytes whole = read_bytes(path);
    for (int round = 0; round < 40; ++round) {
      Bytes damaged = whole;
      for (int i = 0; i < 1 + round % 4; ++i) {
        damaged[next() % damaged.size()] = static_cast<std::uint8_t>(next());
      }
      expect_clean_result(damaged, image_type_of(path),
                          path.filename().string() + " damaged, round " + std::to_string(round));
    }
  }
}

}  // namespace
}  // namespace pictavo
