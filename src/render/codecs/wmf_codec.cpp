// Windows metafiles through libwmf's raster device. A metafile is drawn at its
// size at 96 dots per inch, or straight at a smaller target size. Enhanced
// metafiles (EMF) share the extension but no Linux library draws them: they are
// recognised and refused.
#include <libwmf/api.h>
#include <libwmf/gd.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "render/byte_reader.h"
#include "render/codecs/codecs.h"
#include "render/image_limits.h"

namespace pictavo::codecs {
namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr double kDotsPerInch = 96.0;

bool is_emf(ByteSpan head) {
  ByteReader in(head);
  const std::uint32_t record_type = in.u32le();
  in.seek(40);
  const std::uint32_t signature = in.u32le();
  return in.ok() && record_type == 1 && signature == 0x464D4520;  // " EMF"
}

bool is_wmf(ByteSpan head) {
  ByteReader in(head);
  const std::uint32_t key = in.u32le();
  in.seek(0);
  const unsigned type = in.u16le();
  const unsigned header_words = in.u16le();
  return in.ok() && (key == kPlaceableKey || ((type == 1 || type == 2) && header_words == 9));
}

// One libwmf session; destroying it frees everything libwmf allocated, the drawn
// raster included.
class WmfSession {
 public:
  explicit WmfSession(ByteSpan bytes) {
    wmfAPI_Options options{};
    options.function = wmf_gd_function;
    const unsigned long flags =
        WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (wmf_api_create(&api_, flags, &options) != wmf_E_None) {
      if (api_) wmf_api_destroy(api_);
      api_ = nullptr;
      return;
    }
    // libwmf only reads the buffer.
    ok_ = wmf_mem_open(api_, const_cast<unsigned char*>(bytes.data()),
                       static_cast<long>(bytes.size())) == wmf_E_None &&
          wmf_scan(api_, 0, &box_) == wmf_E_None;
  }
  ~WmfSession() {
    if (api_) wmf_api_destroy(api_);
  }
  WmfSession(const WmfSession&) = delete;
  WmfSession& operator=(const WmfSession&) = delete;

  bool ok() const { return ok_; }

  // The picture's size in pixels at 96 dots per inch.
  bool display_size(unsigned& width, unsigned& height) {
    return wmf_display_size(api_, &width, &height, kDotsPerInch, kDotsPerInch) == wmf_E_None;
  }

  // Draws the metafile into a width × height raster; gd's 7-bit alpha (0 opaque)
  // becomes straight 8-bit alpha.
  Result<Image> draw(int width, int height) {
    auto* device = WMF_GD_GetData(api_);
    device->type = wmf_gd_image;
    device->width = static_cast<unsigned>(width);
    device->height = static_cast<unsigned>(height);
    device->bbox = box_;
    if (wmf_play(api_, 0, &box_) != wmf_E_None || !device->gd_image) {
      return Failure{"damaged WMF data"};
    }
    const int* pixels = wmf_gd_image_pixels(device->gd_image);
    if (!pixels) return Failure{"damaged WMF data"};
    std::optional<Image> image = Image::allocate(width, height, PixelLayout::kBgra);
    if (!image) return Failure{"not enough memory for the picture"};
    bool translucent = false;
    for (int y = 0; y < height; ++y) {
      std::uint8_t* out = image->row(y);
      for (int x = 0; x < width; ++x, ++pixels, out += 4) {
        const auto value = static_cast<std::uint32_t>(*pixels);
        out[0] = value & 0xFF;
        out[1] = (value >> 8) & 0xFF;
        out[2] = (value >> 16) & 0xFF;
        const std::uint32_t transparency = (value >> 24) & 0x7F;
        out[3] = static_cast<std::uint8_t>(255 - (transparency * 255 + 63) / 127);
        translucent |= out[3] != 255;
      }
    }
    if (!translucent) image->convert_to(PixelLayout::kBgrx);
    return std::move(*image);
  }

 private:
  wmfAPI* api_ = nullptr;
  wmfD_Rect box_{};
  bool ok_ = false;
};

class WmfCodec final : public ImageCodec {
 public:
  ImageFormat format() const override { return ImageFormat::kWmf; }

  Sniff sniff(ByteSpan head) const override {
    return is_wmf(head) || is_emf(head) ? Sniff::kYes : Sniff::kNo;
  }

  Result<ImageInfo> probe(ByteSpan bytes) const override {
    if (is_emf(bytes)) return Failure{"EMF pictures (enhanced metafiles) cannot be decoded"};
    WmfSession session(bytes);
    unsigned width = 0, height = 0;
    if (!session.ok() || !session.display_size(width, height)) {
      return Failure{"not a readable WMF header"};
    }
    ImageInfo info;
    info.width = static_cast<int>(std::min(width, 1u << 30));
    info.height = static_cast<int>(std::min(height, 1u << 30));
    info.bits_per_pixel = 24;
    return info;
  }

  Result<Image> decode(ByteSpan bytes, const DecodeOptions& options) const override {
    if (is_emf(bytes)) return Failure{"EMF pictures (enhanced metafiles) cannot be decoded"};
    if (options.frame != 0) return Failure{"a WMF file has a single frame"};
    WmfSession session(bytes);
    unsigned width = 0, height = 0;
    if (!session.ok() || !session.display_size(width, height)) {
      return Failure{"not a readable WMF header"};
    }
    const std::string refusal = image_size_refusal(width, height);
    if (!refusal.empty()) return Failure{refusal};
    // A drawing has no pixels of its own: draw it at the size that is needed.
    const double scale =
        options.target.scale_needed(static_cast<int>(width), static_cast<int>(height));
    const int drawn_width = std::max(1, static_cast<int>(std::ceil(width * scale - 1e-6)));
    const int drawn_height = std::max(1, static_cast<int>(std::ceil(height * scale - 1e-6)));
    Result<Image> image = session.draw(drawn_width, drawn_height);
    if (image) {
      image->origin().full_width = static_cast<int>(width);
      image->origin().full_height = static_cast<int>(height);
    }
    return image;
  }
};

}  // namespace

const ImageCodec& wmf_codec() {
  static const WmfCodec codec;
  return codec;
}

}  // namespace pictavo::codecs
