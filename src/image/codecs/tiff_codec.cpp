// TIFF through libtiff: every photometric libtiff's RGBA reader knows, pages as
// frames, the orientation tag. A page to be reduced is reduced as its rows are
// read, a band of strips or tiles (or a big strip's scanlines) at a time.
#include <tiffio.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "base/byte_reader.h"
#include "image/area_reducer.h"
#include "image/codecs/codecs.h"
#include "image/codecs/tiff_memory.h"
#include "image/codecs/tiff_writer.h"
#include "image/image_limits.h"
#include "image/orientation.h"

namespace pictavo::codecs {
namespace {

std::string failure_text(const TiffMemory& reader, const char* what) {
  return reader.error.empty() ? std::string(what) : std::string(what) + ": " + reader.error;
}

int resolution_dpi(TIFF* tif, ttag_t tag) {
  float value = 0;
  std::uint16_t unit = RESUNIT_INCH;
  if (!TIFFGetField(tif, tag, &value) || !(value > 0) || value > 65535) return 96;
  TIFFGetFieldDefaulted(tif, TIFFTAG_RESOLUTIONUNIT, &unit);
  if (unit == RESUNIT_CENTIMETER) value *= 2.54f;
  return unit == RESUNIT_NONE ? 96 : static_cast<int>(std::lround(value));
}

// libtiff's RGBA reader delivers R G B A in memory with premultiplied alpha; the
// picture wants B G R A with straight alpha.
void to_bgra(std::uint8_t* row, int width, bool premultiplied) {
  std::uint8_t* p = row;
  for (int x = 0; x < width; ++x, p += 4) {
    std::swap(p[0], p[2]);
    const int alpha = p[3];
    if (!premultiplied || alpha == 255) continue;
    for (int c = 0; c < 3; ++c) {
      p[c] = alpha == 0
                 ? 0
                 : static_cast<std::uint8_t>(std::min(255, (p[c] * 255 + alpha / 2) / alpha));
    }
  }
}

struct RgbaReader {
  TIFFRGBAImage state{};
  bool begun = false;
  ~RgbaReader() {
    if (begun) TIFFRGBAImageEnd(&state);
  }
};

// Whether every strip or tile of the current page lies in the file, so that the
// picture is not allocated for data that is not there.
bool data_in_file(TIFF* tif, std::uint64_t file_size) {
  const std::uint32_t count = TIFFIsTiled(tif) ? TIFFNumberOfTiles(tif) : TIFFNumberOfStrips(tif);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint64_t offset = TIFFGetStrileOffset(tif, i);
    if (offset > file_size || TIFFGetStrileByteCount(tif, i) > file_size - offset) return false;
  }
  return true;
}

// How the rows of a page can be read a few at a time.
enum class RowAccess {
  kWhole,      // only all at once
  kBands,      // through libtiff's RGBA reader, a band of strips or tiles at a time
  kScanlines,  // one by one: plain 8-bit RGB or grey samples
};

constexpr std::uint32_t kBandRows = 256;

RowAccess row_access(TIFF* tif) {
  if (TIFFIsTiled(tif)) return RowAccess::kBands;
  std::uint32_t rows_per_strip = 0;
  TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &rows_per_strip);
  if (rows_per_strip <= kBandRows) return RowAccess::kBands;
  // The RGBA reader would decode a big strip from its start again for every band.
  std::uint16_t planar = PLANARCONFIG_CONTIG, bits = 1, samples = 1, photometric = 0;
  std::uint16_t compression = COMPRESSION_NONE, extra_count = 0;
  std::uint16_t* extra = nullptr;
  TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &planar);
  TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &bits);
  TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &samples);
  TIFFGetFieldDefaulted(tif, TIFFTAG_EXTRASAMPLES, &extra_count, &extra);
  TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &compression);
  TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &photometric);
  const bool plain = planar == PLANARCONFIG_CONTIG && bits == 8 && extra_count == 0 &&
                     compression != COMPRESSION_JPEG && compression != COMPRESSION_OJPEG &&
                     ((photometric == PHOTOMETRIC_RGB && samples == 3) ||
                      (photometric == PHOTOMETRIC_MINISBLACK && samples == 1));
  return plain ? RowAccess::kScanlines : RowAccess::kWhole;
}

// Every row of the page through libtiff's RGBA reader, a band at a time, into
// `reducer`.
bool read_bands(TIFF* tif, RgbaReader& rgba, std::uint32_t width, std::uint32_t height,
                AreaReducer& reducer) {
  std::uint32_t band_rows = kBandRows;
  if (TIFFIsTiled(tif)) {
    TIFFGetField(tif, TIFFTAG_TILELENGTH, &band_rows);
  } else {
    std::uint32_t rows_per_strip = 1;
    TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &rows_per_strip);
    band_rows = std::max<std::uint32_t>(1, rows_per_strip) *
                std::max<std::uint32_t>(1, kBandRows / std::max<std::uint32_t>(1, rows_per_strip));
  }
  band_rows = std::clamp<std::uint32_t>(band_rows, 1, height);
  std::vector<std::uint32_t> band(std::size_t{width} * band_rows);
  const bool alpha = rgba.state.alpha != 0;
  for (std::uint32_t row = 0; row < height; row += band_rows) {
    const std::uint32_t rows = std::min(band_rows, height - row);
    rgba.state.row_offset = static_cast<int>(row);
    if (!TIFFRGBAImageGet(&rgba.state, band.data(), width, rows)) return false;
    for (std::uint32_t y = 0; y < rows; ++y) {
      auto* pixels = reinterpret_cast<std::uint8_t*>(band.data() + std::size_t{width} * y);
      to_bgra(pixels, static_cast<int>(width), alpha);
      reducer.add_row(pixels);
    }
  }
  return true;
}

// Every row of a page of plain 8-bit RGB or grey samples, one by one, into `reducer`.
bool read_scanlines(TIFF* tif, std::uint32_t width, std::uint32_t height, AreaReducer& reducer) {
  std::uint16_t samples = 1;
  TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &samples);
  std::vector<std::uint8_t> line(static_cast<std::size_t>(TIFFScanlineSize64(tif)));
  if (line.size() < std::size_t{width} * samples) return false;
  std::vector<std::uint8_t> pixels(std::size_t{width} * 4);
  for (std::uint32_t row = 0; row < height; ++row) {
    if (TIFFReadScanline(tif, line.data(), row, 0) != 1) return false;
    const std::uint8_t* in = line.data();
    std::uint8_t* out = pixels.data();
    for (std::uint32_t x = 0; x < width; ++x, in += samples, out += 4) {
      out[0] = in[samples == 3 ? 2 : 0];
      out[1] = in[samples == 3 ? 1 : 0];
      out[2] = in[0];
      out[3] = 255;
    }
    reducer.add_row(pixels.data());
  }
  return true;
}

Result<Image> read_page(TIFF* tif, const TiffMemory& reader, const DecodeOptions& options) {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &width);
  TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &height);
  const std::string refusal = image_size_refusal(width, height);
  if (!refusal.empty()) return Failure{refusal};
  if (!data_in_file(tif, reader.size())) return Failure{"the TIFF data ends early"};
  std::uint16_t orientation = ORIENTATION_TOPLEFT;
  TIFFGetFieldDefaulted(tif, TIFFTAG_ORIENTATION, &orientation);
  if (orientation < 1 || orientation > 8) orientation = ORIENTATION_TOPLEFT;

  char message[1024] = {};
  RgbaReader rgba;
  if (!TIFFRGBAImageOK(tif, message) || !TIFFRGBAImageBegin(&rgba.state, tif, 1, message)) {
    return Failure{std::string("unsupported TIFF picture: ") + message};
  }
  rgba.begun = true;
  // Rows as stored: the orientation is applied afterwards like a JPEG's.
  rgba.state.req_orientation = rgba.state.orientation;
  const bool alpha = rgba.state.alpha != 0;
  const PixelLayout layout = alpha ? PixelLayout::kBgra : PixelLayout::kBgrx;

  // A picture to be reduced is reduced as its rows are read, where they can be.
  TargetSize target = options.target;
  if (options.apply_orientation && orientation_swaps_sides(orientation))
    std::swap(target.width, target.height);
  const std::optional<AreaReducer::Size> reduced =
      AreaReducer::reduced_size(target, static_cast<int>(width), static_cast<int>(height));
  const RowAccess access = reduced ? row_access(tif) : RowAccess::kWhole;
  std::optional<Image> image;
  if (access != RowAccess::kWhole) {
    std::optional<Image> into = Image::allocate(reduced->width, reduced->height, layout);
    std::optional<AreaReducer> reducer;
    if (into)
      reducer =
          AreaReducer::create(static_cast<int>(width), static_cast<int>(height), std::move(*into));
    if (!reducer) return Failure{"not enough memory for the picture"};
    const bool read = access == RowAccess::kBands ? read_bands(tif, rgba, width, height, *reducer)
                                                  : read_scanlines(tif, width, height, *reducer);
    if (!read) return Failure{failure_text(reader, "damaged TIFF data")};
    image = reducer->take();
    image->origin().full_width = static_cast<int>(width);
    image->origin().full_height = static_cast<int>(height);
  } else {
    image = Image::allocate(static_cast<int>(width), static_cast<int>(height), layout);
    if (!image) return Failure{"not enough memory for the picture"};
    // The rows are packed, so the picture's buffer is exactly libtiff's raster.
    auto* raster = reinterpret_cast<std::uint32_t*>(image->data());
    if (!TIFFRGBAImageGet(&rgba.state, raster, width, height)) {
      return Failure{failure_text(reader, "damaged TIFF data")};
    }
    for (int y = 0; y < image->height(); ++y)
      to_bgra(image->row(y), image->width(), alpha);
  }
  image->origin().orientation = orientation;
  image->set_resolution(resolution_dpi(tif, TIFFTAG_XRESOLUTION),
                        resolution_dpi(tif, TIFFTAG_YRESOLUTION));
  return std::move(*image);
}

std::uint64_t read_unsigned(ByteReader& in, int size, bool big_endian) {
  std::uint64_t value = 0;
  for (int i = 0; i < size; ++i) {
    const std::uint64_t byte = in.u8();
    value = big_endian ? value << 8 | byte : value | byte << (8 * i);
  }
  return value;
}

// The offset of the page after the one at `page`, as the file states it; 0 when
// there is none or the page cannot be read.
std::uint64_t next_page_offset(const TiffMemory& file, std::uint64_t page, bool big_tiff) {
  std::uint8_t order = 0;
  if (file.read_at(0, &order, 1) != 1) return 0;
  const bool big_endian = order == 'M';
  const int count_size = big_tiff ? 8 : 2;
  const int word = big_tiff ? 8 : 4;
  const std::size_t entry_size = big_tiff ? 20 : 12;
  std::uint8_t field[8] = {};
  if (file.read_at(page, field, static_cast<std::size_t>(count_size)) !=
      static_cast<std::size_t>(count_size))
    return 0;
  ByteReader count_in(ByteSpan(field, static_cast<std::size_t>(count_size)));
  const std::uint64_t entries = read_unsigned(count_in, count_size, big_endian);
  const std::uint64_t after_count = page + static_cast<std::uint64_t>(count_size);
  if (after_count > file.size() || entries > (file.size() - after_count) / entry_size) return 0;
  if (file.read_at(after_count + entries * entry_size, field, static_cast<std::size_t>(word)) !=
      static_cast<std::size_t>(word))
    return 0;
  ByteReader next_in(ByteSpan(field, static_cast<std::size_t>(word)));
  return read_unsigned(next_in, word, big_endian);
}

// The pages libtiff can read, one after another from the first: it stops at the
// end of the chain, at a page it cannot read and where the chain would come back
// to a page already read. A chain back to the first page leaves no end to it, and
// the file is refused. Leaves the last page read current.
Result<int> count_pages(TIFF* tif, const TiffMemory& file) {
  const std::uint64_t first = TIFFCurrentDirOffset(tif);
  std::uint64_t last = first;
  int pages = 1;
  while (TIFFReadDirectory(tif)) {
    last = TIFFCurrentDirOffset(tif);
    ++pages;
  }
  if (next_page_offset(file, last, TIFFIsBigTIFF(tif)) == first) {
    return Failure{"the TIFF page chain loops back to the first page"};
  }
  return pages;
}

class TiffCodec final : public ImageCodec {
 public:
  ImageFormat format() const override { return ImageFormat::kTiff; }
  bool has_frames() const override { return true; }

  Sniff sniff(ByteSpan head) const override {
    if (head.size() < 4) return Sniff::kNo;
    const bool intel =
        head[0] == 'I' && head[1] == 'I' && (head[2] == 42 || head[2] == 43) && head[3] == 0;
    const bool motorola =
        head[0] == 'M' && head[1] == 'M' && head[2] == 0 && (head[3] == 42 || head[3] == 43);
    return intel || motorola ? Sniff::kYes : Sniff::kNo;
  }

  Result<ImageInfo> probe(ByteSpan bytes) const override {
    TiffMemory reader;
    reader.input = bytes;
    return probe_page(reader);
  }

  Result<ImageInfo> probe_file(const FileInput& file) const override {
    TiffMemory reader;
    reader.file = &file;
    return probe_page(reader);
  }

  Result<Image> decode(ByteSpan bytes, const DecodeOptions& options) const override {
    TiffMemory reader;
    reader.input = bytes;
    return decode_page(reader, options);
  }

  // A file is read a strip or tile at a time, never whole.
  Result<Image> decode_file(const FileInput& file, const DecodeOptions& options) const override {
    TiffMemory reader;
    reader.file = &file;
    return decode_page(reader, options);
  }

  bool can_encode() const override { return true; }
  Result<Bytes> encode(const Image& image, const EncodeOptions&) const override {
    return encode_tiff(image);
  }

 private:
  static Result<ImageInfo> probe_page(TiffMemory& reader) {
    const TiffFile tif = open_tiff(reader, "r");
    if (!tif) return Failure{failure_text(reader, "not a readable TIFF header")};
    ImageInfo info;
    std::uint32_t width = 0, height = 0;
    std::uint16_t bits = 8, samples = 1, orientation = 1, extra_count = 0;
    std::uint16_t* extra = nullptr;
    TIFFGetField(tif.get(), TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tif.get(), TIFFTAG_IMAGELENGTH, &height);
    TIFFGetFieldDefaulted(tif.get(), TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tif.get(), TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tif.get(), TIFFTAG_ORIENTATION, &orientation);
    TIFFGetFieldDefaulted(tif.get(), TIFFTAG_EXTRASAMPLES, &extra_count, &extra);
    info.width = static_cast<int>(std::min<std::uint32_t>(width, 1u << 30));
    info.height = static_cast<int>(std::min<std::uint32_t>(height, 1u << 30));
    // A damaged header may claim 65535 samples of 65535 bits.
    info.bits_per_pixel =
        static_cast<int>(std::min<std::uint32_t>(std::uint32_t{bits} * samples, 1u << 30));
    info.orientation = orientation >= 1 && orientation <= 8 ? orientation : 1;
    info.has_alpha = extra_count > 0;
    const Result<int> pages = count_pages(tif.get(), reader);
    if (!pages) return Failure{pages.reason()};
    info.frame_count = *pages;
    return info;
  }

  static Result<Image> decode_page(TiffMemory& reader, const DecodeOptions& options) {
    const TiffFile tif = open_tiff(reader, "r");
    if (!tif) return Failure{failure_text(reader, "not a readable TIFF header")};
    const Result<int> pages = count_pages(tif.get(), reader);
    if (!pages) return Failure{pages.reason()};
    reader.error.clear();  // where the chain ended says nothing about the page wanted
    if (options.frame >= *pages ||
        !TIFFSetDirectory(tif.get(), static_cast<tdir_t>(options.frame))) {
      return missing_frame(options.frame, *pages);
    }
    Result<Image> image = read_page(tif.get(), reader, options);
    if (image) {
      image->origin().frame = options.frame;
      image->origin().frame_count = *pages;
    }
    return image;
  }
};

}  // namespace

const ImageCodec& tiff_codec() {
  static const TiffCodec codec;
  return codec;
}

}  // namespace pictavo::codecs
