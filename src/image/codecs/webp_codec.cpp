// WebP through libwebp: still pictures, lossy or lossless, with or without alpha.
// libwebp scales while decoding, so a thumbnail never costs the full picture, and
// the EXIF chunk of the extended format carries the orientation.
#include <webp/decode.h>
#include <webp/demux.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "image/codecs/codecs.h"
#include "image/image_limits.h"
#include "image/orientation.h"

namespace pictavo::codecs {
namespace {

const char* const kAnimated = "animated WebP pictures are not supported";

struct DemuxDelete {
  void operator()(WebPDemuxer* demuxer) const { WebPDemuxDelete(demuxer); }
};

// The orientation of the EXIF chunk, which WebP files store without the "Exif\0\0"
// prefix that JPEG's APP1 segment has (some writers add it anyway).
int exif_orientation(ByteSpan bytes) {
  const WebPData data{bytes.data(), bytes.size()};
  const std::unique_ptr<WebPDemuxer, DemuxDelete> demuxer(WebPDemux(&data));
  if (!demuxer || !(WebPDemuxGetI(demuxer.get(), WEBP_FF_FORMAT_FLAGS) & EXIF_FLAG)) return 1;
  WebPChunkIterator chunk;
  if (!WebPDemuxGetChunk(demuxer.get(), "EXIF", 1, &chunk)) return 1;
  static constexpr std::uint8_t kPrefix[] = {'E', 'x', 'i', 'f', 0, 0};
  std::vector<std::uint8_t> exif;
  const ByteSpan payload(chunk.chunk.bytes, chunk.chunk.size);
  const bool prefixed = payload.size() >= sizeof kPrefix &&
                        std::equal(std::begin(kPrefix), std::end(kPrefix), payload.begin());
  if (!prefixed) exif.assign(std::begin(kPrefix), std::end(kPrefix));
  exif.insert(exif.end(), payload.begin(), payload.end());
  WebPDemuxReleaseChunkIterator(&chunk);
  return read_exif_orientation(exif);
}

std::string status_text(VP8StatusCode status) {
  switch (status) {
    case VP8_STATUS_OUT_OF_MEMORY:
      return "not enough memory for the picture";
    case VP8_STATUS_UNSUPPORTED_FEATURE:
      return "the WebP file uses a feature that is not supported";
    case VP8_STATUS_NOT_ENOUGH_DATA:
      return "the WebP file is cut short";
    default:
      return "damaged WebP data";
  }
}

class WebpCodec final : public ImageCodec {
 public:
  ImageFormat format() const override { return ImageFormat::kWebp; }

  Sniff sniff(ByteSpan head) const override {
    const bool riff = head.size() >= 12 && std::equal(head.begin(), head.begin() + 4, "RIFF") &&
                      std::equal(head.begin() + 8, head.begin() + 12, "WEBP");
    return riff ? Sniff::kYes : Sniff::kNo;
  }

  Result<ImageInfo> probe(ByteSpan bytes) const override {
    WebPBitstreamFeatures features;
    const VP8StatusCode status = WebPGetFeatures(bytes.data(), bytes.size(), &features);
    if (status != VP8_STATUS_OK) return Failure{status_text(status)};
    if (features.has_animation) return Failure{kAnimated};
    ImageInfo info;
    info.width = features.width;
    info.height = features.height;
    info.has_alpha = features.has_alpha != 0;
    info.bits_per_pixel = info.has_alpha ? 32 : 24;
    info.orientation = exif_orientation(bytes);
    return info;
  }

  Result<Image> decode(ByteSpan bytes, const DecodeOptions& options) const override {
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config)) return Failure{"the WebP library is not usable"};
    VP8StatusCode status = WebPGetFeatures(bytes.data(), bytes.size(), &config.input);
    if (status != VP8_STATUS_OK) return Failure{status_text(status)};
    if (config.input.has_animation) return Failure{kAnimated};
    const int full_width = config.input.width;
    const int full_height = config.input.height;
    const std::string refusal = image_size_refusal(full_width, full_height);
    if (!refusal.empty()) return Failure{refusal};

    const int orientation = exif_orientation(bytes);
    TargetSize target = options.target;
    if (options.apply_orientation && orientation_swaps_sides(orientation)) {
      std::swap(target.width, target.height);
    }
    const double needed = target.scale_needed(full_width, full_height);
    int width = full_width;
    int height = full_height;
    if (needed < 1.0) {
      width = std::max(1, static_cast<int>(std::ceil(full_width * needed)));
      height = std::max(1, static_cast<int>(std::ceil(full_height * needed)));
      config.options.use_scaling = 1;
      config.options.scaled_width = width;
      config.options.scaled_height = height;
    }
    const bool alpha = config.input.has_alpha != 0;
    std::optional<Image> image =
        Image::allocate(width, height, alpha ? PixelLayout::kBgra : PixelLayout::kBgrx);
    if (!image) return Failure{"not enough memory for the picture"};
    config.output.colorspace = MODE_BGRA;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = image->data();
    config.output.u.RGBA.stride = static_cast<int>(image->stride());
    config.output.u.RGBA.size = image->stride() * static_cast<std::size_t>(height);
    status = WebPDecode(bytes.data(), bytes.size(), &config);
    WebPFreeDecBuffer(&config.output);
    if (status != VP8_STATUS_OK) return Failure{status_text(status)};

    ImageOrigin& origin = image->origin();
    origin.full_width = full_width;
    origin.full_height = full_height;
    origin.orientation = orientation;
    return std::move(*image);
  }
};

}  // namespace

const ImageCodec& webp_codec() {
  static const WebpCodec codec;
  return codec;
}

}  // namespace pictavo::codecs
