#include "image/codecs/tiff_writer.h"

#include <cstring>
#include <vector>

#include "image/codecs/tiff_memory.h"

namespace pictavo::codecs {
namespace {

bool write_tags(TIFF* tif, const Image& image) {
  const bool indexed = image.layout() == PixelLayout::kIndexed;
  const bool alpha = image.layout() == PixelLayout::kBgra;
  bool ok =
      TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, static_cast<std::uint32_t>(image.width())) &&
      TIFFSetField(tif, TIFFTAG_IMAGELENGTH, static_cast<std::uint32_t>(image.height())) &&
      TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 8) &&
      TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL,
                   indexed ? 1
                   : alpha ? 4
                           : 3) &&
      TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, indexed ? PHOTOMETRIC_PALETTE : PHOTOMETRIC_RGB) &&
      TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG) &&
      TIFFSetField(tif, TIFFTAG_COMPRESSION, COMPRESSION_LZW) &&
      TIFFSetField(tif, TIFFTAG_PREDICTOR, indexed ? PREDICTOR_NONE : PREDICTOR_HORIZONTAL) &&
      TIFFSetField(tif, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT) &&
      TIFFSetField(tif, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH) &&
      TIFFSetField(tif, TIFFTAG_XRESOLUTION, static_cast<float>(image.x_dpi())) &&
      TIFFSetField(tif, TIFFTAG_YRESOLUTION, static_cast<float>(image.y_dpi())) &&
      TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tif, 0));
  if (ok && alpha) {
    const std::uint16_t extra[1] = {EXTRASAMPLE_UNASSALPHA};
    ok = TIFFSetField(tif, TIFFTAG_EXTRASAMPLES, 1, extra);
  }
  if (ok && indexed) {
    std::vector<std::uint16_t> red(256), green(256), blue(256);
    const auto palette = image.palette();
    for (std::size_t i = 0; i < palette.size(); ++i) {
      red[i] = static_cast<std::uint16_t>(palette[i].red * 257);
      green[i] = static_cast<std::uint16_t>(palette[i].green * 257);
      blue[i] = static_cast<std::uint16_t>(palette[i].blue * 257);
    }
    ok = TIFFSetField(tif, TIFFTAG_COLORMAP, red.data(), green.data(), blue.data());
  }
  return ok;
}

bool write_rows(TIFF* tif, const Image& image) {
  const int channels = image.layout() == PixelLayout::kIndexed ? 1
                       : image.layout() == PixelLayout::kBgra  ? 4
                                                               : 3;
  std::vector<std::uint8_t> line(static_cast<std::size_t>(image.width()) * channels);
  for (int y = 0; y < image.height(); ++y) {
    const std::uint8_t* in = image.row(y);
    if (channels == 1) {
      std::memcpy(line.data(), in, line.size());
    } else {
      for (int x = 0; x < image.width(); ++x) {
        std::uint8_t* out = line.data() + static_cast<std::size_t>(x) * channels;
        out[0] = in[4 * x + 2];
        out[1] = in[4 * x + 1];
        out[2] = in[4 * x];
        if (channels == 4) out[3] = in[4 * x + 3];
      }
    }
    if (TIFFWriteScanline(tif, line.data(), static_cast<std::uint32_t>(y), 0) < 0) return false;
  }
  return true;
}

}  // namespace

Result<Bytes> encode_tiff(const Image& image) {
  Bytes bytes;
  TiffMemory memory;
  memory.output = &bytes;
  TiffFile tif = open_tiff(memory, "w");
  if (!tif) return Failure{"cannot start the TIFF"};
  const bool written =
      write_tags(tif.get(), image) && write_rows(tif.get(), image) && TIFFFlush(tif.get());
  tif.reset();
  if (!written) return Failure{"cannot encode the TIFF: " + memory.error};
  return bytes;
}

}  // namespace pictavo::codecs
