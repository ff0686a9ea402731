// HEIC and WebP pictures made here with the libraries' own encoders: a picture red
// on its left half and blue on its right, stored turned so that its orientation
// (HEIF's irot, WebP's EXIF chunk) must be applied to show it upright.
#include <gtest/gtest.h>
#include <libheif/heif.h>
#include <tiffio.h>
#include <webp/encode.h>
#include <webp/mux.h>
#include <zlib.h>

#include <cstring>
#include <memory>
#include <span>

#include "image/exif_date.h"
#include "image/image_file.h"
#include "image/resample.h"
#include "support/files.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;
constexpr int kTurnedRight = 6;  // EXIF: shown turned 90 degrees clockwise

std::uint8_t red_at(int x) {
  return x < kWidth / 2 ? 220 : 20;
}
std::uint8_t blue_at(int x) {
  return x < kWidth / 2 ? 20 : 220;
}

// With an EXIF block when `exif` is not empty.
Bytes heic_picture_with(int orientation, const std::string& exif) {
  heif_context* context = heif_context_alloc();
  heif_encoder* encoder = nullptr;
  EXPECT_EQ(heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder).code,
            heif_error_Ok);
  heif_encoder_set_lossy_quality(encoder, 90);
  heif_image* image = nullptr;
  heif_image_create(kWidth, kHeight, heif_colorspace_RGB, heif_chroma_interleaved_RGB, &image);
  heif_image_add_plane(image, heif_channel_interleaved, kWidth, kHeight, 8);
  int stride = 0;
  std::uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      std::uint8_t* pixel = plane + y * stride + x * 3;
      pixel[0] = red_at(x);
      pixel[1] = 20;
      pixel[2] = blue_at(x);
    }
  }
  heif_encoding_options* options = heif_encoding_options_alloc();
  options->image_orientation = static_cast<heif_orientation>(orientation);
  heif_image_handle* handle = nullptr;
  EXPECT_EQ(heif_context_encode_image(context, image, encoder, options, &handle).code,
            heif_error_Ok);
  if (!exif.empty())
    heif_context_add_exif_metadata(context, handle, exif.data(), static_cast<int>(exif.size()));
  heif_image_handle_release(handle);
  Bytes file;
  heif_writer writer{1, [](heif_context*, const void* data, size_t size, void* out) {
                       auto* bytes = static_cast<const std::uint8_t*>(data);
                       static_cast<Bytes*>(out)->insert(static_cast<Bytes*>(out)->end(), bytes,
                                                        bytes + size);
                       return heif_error{heif_error_Ok, heif_suberror_Unspecified, ""};
                     }};
  heif_context_write(context, &writer, &file);
  heif_encoding_options_free(options);
  heif_image_release(image);
  heif_encoder_release(encoder);
  heif_context_free(context);
  return file;
}

// A WebP of the picture with `exif` as its EXIF chunk.
Bytes webp_picture_with(std::span<const std::uint8_t> exif) {
  std::vector<std::uint8_t> bgra;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x)
      bgra.insert(bgra.end(), {blue_at(x), 20, red_at(x), 255});
  }
  std::uint8_t* encoded = nullptr;
  const std::size_t size =
      WebPEncodeLosslessBGRA(bgra.data(), kWidth, kHeight, kWidth * 4, &encoded);
  WebPMux* mux = WebPMuxNew();
  const WebPData image{encoded, size};
  const WebPData exif_data{exif.data(), exif.size()};
  WebPMuxSetImage(mux, &image, 0);
  WebPMuxSetChunk(mux, "EXIF", &exif_data, 0);
  WebPData assembled{};
  EXPECT_EQ(WebPMuxAssemble(mux, &assembled), WEBP_MUX_OK);
  Bytes file(assembled.bytes, assembled.bytes + assembled.size);
  WebPDataClear(&assembled);
  WebPMuxDelete(mux);
  WebPFree(encoded);
  return file;
}

Bytes webp_picture(int orientation) {
  // A little-endian TIFF directory with the orientation as its one entry.
  const std::uint8_t exif[] = {'I',
                               'I',
                               42,
                               0,
                               8,
                               0,
                               0,
                               0,
                               1,
                               0,
                               0x12,
                               1,
                               3,
                               0,
                               1,
                               0,
                               0,
                               0,
                               static_cast<std::uint8_t>(orientation),
                               0,
                               0,
                               0,
                               0,
                               0,
                               0,
                               0};
  return webp_picture_with(exif);
}

Bytes heic_picture(int orientation) {
  return heic_picture_with(orientation, {});
}

struct PhoneFormat {
  ImageFormat format;
  Bytes (*make)(int orientation);
};

class PhonePhoto : public ::testing::TestWithParam<PhoneFormat> {};

TEST_P(PhonePhoto, IsRecognisedAndShownUpright) {
  const Bytes file = GetParam().make(kTurnedRight);
  EXPECT_EQ(sniff_format(file), GetParam().format);

  const Result<ImageInfo> info = probe_image(file, GetParam().format);
  ASSERT_TRUE(info) << info.reason();
  EXPECT_EQ(info->width, kHeight);
  EXPECT_EQ(info->height, kWidth);

  const Result<Image> image = decode_image(file, GetParam().format);
  ASSERT_TRUE(image) << image.reason();
  ASSERT_EQ(image->width(), kHeight);
  ASSERT_EQ(image->height(), kWidth);
  // The stored left half (red) is on top once turned clockwise.
  const RgbQuad top = image->pixel(kHeight / 2, 4);
  const RgbQuad bottom = image->pixel(kHeight / 2, kWidth - 5);
  EXPECT_GT(top.red, 180);
  EXPECT_LT(top.blue, 60);
  EXPECT_GT(bottom.blue, 180);
  EXPECT_LT(bottom.red, 60);
}

TEST_P(PhonePhoto, TruncatedFileIsRefusedWithAReason) {
  Bytes file = GetParam().make(1);
  file.resize(file.size() * 2 / 3);
  const Result<Image> image = decode_image(file, GetParam().format);
  ASSERT_FALSE(image);
  EXPECT_FALSE(image.reason().empty());
}

INSTANTIATE_TEST_SUITE_P(Formats, PhonePhoto,
                         ::testing::Values(PhoneFormat{ImageFormat::kHeif, heic_picture},
                                           PhoneFormat{ImageFormat::kWebp, webp_picture}),
                         [](const auto& info) {
                           return std::string(format_name(info.param.format));
                         });

TEST(PhonePhoto, HeifTellsTheDayItWasTaken) {
  test::TempFolder folder;
  for (const auto& [name, exif] :
       {std::pair{"phone.heic", test::exif_block_taken_at("2024:02:29 23:59:59")},
        std::pair{"plain.heic", std::string()}}) {
    const Bytes file = heic_picture_with(1, exif);
    test::write_file(folder / name,
                     std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
  }
  EXPECT_EQ(read_date_taken(folder / "phone.heic"), (CalendarDate{2024, 2, 29}));
  EXPECT_EQ(read_date_taken(folder / "plain.heic"), std::nullopt);
}

// PNG keeps EXIF in an eXIf chunk, WebP in an EXIF chunk (here with JPEG's
// "Exif\0\0" left in front, as some writers do), TIFF in a directory of its own.
TEST(PhonePhoto, PngWebpAndTiffTellTheDayTheyWereTaken) {
  const std::string block = test::exif_block_taken_at("2025:07:14 08:00:00");
  const std::span<const std::uint8_t> with_header(
      reinterpret_cast<const std::uint8_t*>(block.data()), block.size());
  const std::span<const std::uint8_t> tiff_structure = with_header.subspan(6);
  test::TempFolder folder;
  const auto write = [&](const char* name, std::span<const std::uint8_t> bytes) {
    test::write_file(folder / name,
                     std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return folder / name;
  };

  Image grey = *Image::create(4, 3, 24);
  Bytes png = *encode_image(grey, ImageFormat::kPng);
  Bytes exif_chunk(8);
  const std::uint32_t length = static_cast<std::uint32_t>(tiff_structure.size());
  for (int i = 0; i < 4; ++i)
    exif_chunk[i] = static_cast<std::uint8_t>(length >> (24 - 8 * i));
  std::memcpy(&exif_chunk[4], "eXIf", 4);
  exif_chunk.insert(exif_chunk.end(), tiff_structure.begin(), tiff_structure.end());
  const uLong crc = crc32(0, &exif_chunk[4], static_cast<uInt>(exif_chunk.size() - 4));
  for (int i = 0; i < 4; ++i)
    exif_chunk.push_back(static_cast<std::uint8_t>(crc >> (24 - 8 * i)));
  constexpr std::size_t kAfterHeader = 8 + 25;  // the signature and IHDR
  png.insert(png.begin() + kAfterHeader, exif_chunk.begin(), exif_chunk.end());
  const std::filesystem::path png_path = write("screenshot.png", png);
  ASSERT_TRUE(decode_image(png, ImageFormat::kPng));

  const std::filesystem::path tiff_path = folder / "scan.tif";
  TIFF* tif = TIFFOpen(tiff_path.c_str(), "w");
  for (const ttag_t tag : {TIFFTAG_IMAGEWIDTH, TIFFTAG_IMAGELENGTH, TIFFTAG_ROWSPERSTRIP})
    TIFFSetField(tif, tag, 1u);
  TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 8);
  TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
  TIFFSetField(tif, TIFFTAG_EXIFIFD, toff_t{0});
  const std::uint8_t pixel = 128;
  TIFFWriteScanline(tif, const_cast<std::uint8_t*>(&pixel), 0, 0);
  TIFFWriteDirectory(tif);
  TIFFCreateEXIFDirectory(tif);
  TIFFSetField(tif, EXIFTAG_DATETIMEORIGINAL, "2025:07:14 08:00:00");
  toff_t exif_directory = 0;
  TIFFWriteCustomDirectory(tif, &exif_directory);
  TIFFSetDirectory(tif, 0);
  TIFFSetField(tif, TIFFTAG_EXIFIFD, exif_directory);
  TIFFRewriteDirectory(tif);
  TIFFClose(tif);

  for (const std::filesystem::path& path :
       {png_path, write("shared.webp", webp_picture_with(with_header)),
        write("plain.webp", webp_picture_with(tiff_structure)), tiff_path}) {
    EXPECT_EQ(read_date_taken(path), (CalendarDate{2025, 7, 14})) << path;
  }
  EXPECT_EQ(read_date_taken(write("orientation.webp", webp_picture(kTurnedRight))), std::nullopt);
}

TEST(PhonePhoto, WebpDecodesStraightToATargetSize) {
  DecodeOptions options;
  options.target = {16, 12, false};
  const Result<Image> image = decode_image(webp_picture(1), ImageFormat::kWebp, options);
  ASSERT_TRUE(image) << image.reason();
  EXPECT_EQ(image->width(), 16);
  EXPECT_EQ(image->height(), 12);
  EXPECT_EQ(image->origin().full_width, kWidth);
}

TEST(PhonePhoto, HeifIsReducedAsItsPixelsAreCopiedToTheSamePixels) {
  const Bytes heic = heic_picture(1);
  Image today = *decode_image(heic, ImageFormat::kHeif);
  ASSERT_TRUE(resample(today, 16, 12));
  const Result<Image> reduced = decode_image(heic, ImageFormat::kHeif, {.target = {16, 12}});
  ASSERT_TRUE(reduced) << reduced.reason();
  ASSERT_EQ(reduced->width(), 16);
  ASSERT_EQ(reduced->height(), 12);
  EXPECT_EQ(reduced->origin().full_width, kWidth);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 16; ++x)
      ASSERT_EQ(reduced->pixel(x, y), today.pixel(x, y)) << x << ", " << y;
  }
}

}  // namespace
}  // namespace pictavo
