// Windows metafiles through libwmf's raster device (gd). A metafile is drawn at its
// size at 96 dots per inch, or straight at a smaller target size, and reduced when
// the size it states would take too long to draw. Enhanced metafiles (EMF) share
// the extension but no Linux library draws them: they are recognised and refused.
#include <libwmf/api.h>
#include <libwmf/gd.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <string>

#include "base/byte_reader.h"
#include "image/codecs/codecs.h"
#include "image/image_limits.h"

namespace pictavo::codecs {
namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr double kDotsPerInch = 96.0;
// A drawing is never drawn with more pixels than this, whatever size a (possibly
// tiny) file states: more than any picture the program shows or makes needs, and
// a drawing of the full limit would take minutes.
constexpr double kMostDrawnPixels = 4'000'000;
// libwmf's time grows with the rows and columns it draws more than with the pixels:
// a 138-byte file stating 32 x 32744 took seconds. No side is drawn longer than this.
constexpr double kLongestDrawnSide = 4096;

bool is_emf(ByteSpan head) {
  ByteReader in(head);
  const std::uint32_t record_type = in.u32le();
  in.seek(40);
  const std::uint32_t signature = in.u32le();
  return in.ok() && record_type == 1 && signature == 0x464D4520;  // " EMF"
}

// libwmf sizes some buffers by header fields alone: a record larger than the file
// is a lie to refuse before libwmf allocates for it.
bool header_fits(ByteSpan bytes) {
  ByteReader in(bytes);
  if (in.u32le() != kPlaceableKey)
    in.seek(0);
  else
    in.seek(22);
  in.skip(6);
  const std::uint32_t size_words = in.u32le();
  in.skip(2);
  const std::uint32_t largest_record_words = in.u32le();
  return in.ok() && largest_record_words <= size_words && largest_record_words <= bytes.size() / 2;
}

// Everything libwmf allocates is counted against a budget; past it, allocations
// fail and libwmf gives up with an error instead of taking all the memory.
class AllocationBudget {
 public:
  explicit AllocationBudget(std::size_t budget) : left_(budget) {}

  static void* allocate(void* context, std::size_t size) {
    return static_cast<AllocationBudget*>(context)->resize(nullptr, size);
  }
  static void* reallocate(void* context, void* memory, std::size_t size) {
    return static_cast<AllocationBudget*>(context)->resize(memory, size);
  }
  static void release(void* context, void* memory) {
    if (!memory) return;
    Header* header = static_cast<Header*>(memory) - 1;
    static_cast<AllocationBudget*>(context)->left_ += header->size;
    std::free(header);
  }

 private:
  union Header {
    std::size_t size;
    std::max_align_t alignment;
  };

  void* resize(void* memory, std::size_t size) {
    Header* old = memory ? static_cast<Header*>(memory) - 1 : nullptr;
    const std::size_t old_size = old ? old->size : 0;
    if (size > old_size && size - old_size > left_) return nullptr;
    auto* header = static_cast<Header*>(std::realloc(old, sizeof(Header) + size));
    if (!header) return nullptr;
    left_ = left_ + old_size - size;
    header->size = size;
    return header + 1;
  }

  std::size_t left_;
};

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
  explicit WmfSession(ByteSpan bytes) : budget_(static_cast<std::size_t>(kMaxImagePixels)) {
    if (!header_fits(bytes)) return;
    wmfAPI_Options options{};
    options.function = wmf_gd_function;
    options.context = &budget_;
    options.malloc = AllocationBudget::allocate;
    options.realloc = AllocationBudget::reallocate;
    options.free = AllocationBudget::release;
    const unsigned long flags = WMF_OPT_ALLOC | WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL |
                                WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
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

  // Draws the metafile into a width × height raster, handed over as a PNG: the
  // raster libwmf would hand over directly is never freed by this libwmf version.
  Result<Image> draw(int width, int height) {
    auto* device = WMF_GD_GetData(api_);
    device->type = wmf_gd_png;
    device->flags |= WMF_GD_OUTPUT_MEMORY | WMF_GD_OWN_BUFFER;
    device->sink.context = &png_;
    device->sink.function = collect_png;
    device->width = static_cast<unsigned>(width);
    device->height = static_cast<unsigned>(height);
    device->bbox = box_;
    if (wmf_play(api_, 0, &box_) != wmf_E_None || png_.empty()) return Failure{"damaged WMF data"};
    Result<Image> image = png_codec().decode(png_, DecodeOptions{});
    if (!image) return Failure{"damaged WMF data"};
    return image;
  }

 private:
  static int collect_png(void* context, char* data, int length) {
    auto* png = static_cast<Bytes*>(context);
    if (length > 0) png->insert(png->end(), data, data + length);
    return length;
  }

  AllocationBudget budget_;
  wmfAPI* api_ = nullptr;
  wmfD_Rect box_{};
  bool ok_ = false;
  Bytes png_;
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
    WmfSession session(bytes);
    unsigned width = 0, height = 0;
    if (!session.ok() || !session.display_size(width, height)) {
      return Failure{"not a readable WMF header"};
    }
    const std::string refusal = image_size_refusal(width, height);
    if (!refusal.empty()) return Failure{refusal};
    // A drawing has no pixels of its own: draw it at the size that is needed.
    const double scale =
        std::min({options.target.scale_needed(static_cast<int>(width), static_cast<int>(height)),
                  std::sqrt(kMostDrawnPixels / (static_cast<double>(width) * height)),
                  kLongestDrawnSide / std::max(width, height)});
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
