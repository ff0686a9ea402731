// Windows metafiles through libwmf's raster device (gd). A metafile is drawn at its
// size at 96 dots per inch, or straight at a smaller target size, and reduced when
// the size it states would take too long to draw. Enhanced metafiles (EMF) share
// the extension but no Linux library draws them: they are recognised and refused.
#include <libwmf/api.h>
#include <libwmf/gd.h>
#include <libwmf/ipa.h>
#include <libwmf/macro.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>
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
// libwmf's raster device stamps a wide pen whole at every pixel of a line, so a
// file of a hundred bytes can keep it busy for minutes. Every drawing call is
// priced in pixels touched before it runs; past this budget the drawing stops.
constexpr double kMostPaintedPixels = 2e8;

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

// Device units (those of the scanned box) to pixels of the raster.
struct PixelScale {
  double x = 0;
  double y = 0;
  double raster = 0;  // all the pixels drawn

  double width(double units) const { return std::abs(units) * x + 1; }
  double height(double units) const { return std::abs(units) * y + 1; }
  double area(wmfD_Coord a, wmfD_Coord b) const { return width(b.x - a.x) * height(b.y - a.y); }
  double pen(const wmfDC* dc) const {
    const wmfPen* pen = WMF_DC_PEN(dc);
    return std::ceil(width(WMF_PEN_WIDTH(pen))) * std::ceil(height(WMF_PEN_HEIGHT(pen)));
  }
  double stroke(const wmfDC* dc, wmfD_Coord a, wmfD_Coord b) const {
    return (width(b.x - a.x) + height(b.y - a.y)) * pen(dc);
  }
  double outline(const wmfDC* dc, wmfD_Coord a, wmfD_Coord b) const {
    return 2 * (width(b.x - a.x) + height(b.y - a.y)) * pen(dc) + area(a, b);
  }
};

double line_price(const PixelScale& scale, const wmfDrawLine_t& line) {
  return scale.stroke(line.dc, line.from, line.to);
}
double polyline_price(const PixelScale& scale, const wmfPolyLine_t& line) {
  if (line.count == 0) return 0;
  wmfD_Coord low = line.pt[0], high = line.pt[0];
  double price = 0;
  for (unsigned i = 1; i < line.count; ++i) {
    const wmfD_Coord point = line.pt[i];
    price += scale.stroke(line.dc, line.pt[i - 1], point);
    low = {std::min(low.x, point.x), std::min(low.y, point.y)};
    high = {std::max(high.x, point.x), std::max(high.y, point.y)};
  }
  // A filled polygon walks every edge on every row it covers.
  return price + scale.area(low, high) + scale.height(high.y - low.y) * line.count;
}
double polypolygon_price(const PixelScale& scale, const wmfPolyPoly_t& polygons) {
  double price = 0;
  for (unsigned i = 0; i < polygons.npoly; ++i) {
    price += polyline_price(scale, wmfPolyLine_t{polygons.dc, polygons.pt[i], polygons.count[i]});
  }
  return price;
}
double rectangle_price(const PixelScale& scale, const wmfDrawRectangle_t& rectangle) {
  return scale.outline(rectangle.dc, rectangle.TL, rectangle.BR);
}
double arc_price(const PixelScale& scale, const wmfDrawArc_t& arc) {
  return scale.outline(arc.dc, arc.TL, arc.BR);
}
double pixel_price(const PixelScale&, const wmfDrawPixel_t&) {
  return 1;
}
double flood_price(const PixelScale& scale, const wmfFlood_t&) {
  return scale.raster;
}
double rop_price(const PixelScale& scale, const wmfROP_Draw_t& rop) {
  return scale.area(rop.TL, rop.BR);
}
double bitmap_price(const PixelScale& scale, const wmfBMP_Draw_t& bitmap) {
  return scale.width(bitmap.crop.w * bitmap.pixel_width) *
             scale.height(bitmap.crop.h * bitmap.pixel_height) +
         static_cast<double>(bitmap.bmp.width) * bitmap.bmp.height;
}
double text_price(const PixelScale& scale, const wmfDrawText_t& text) {
  const double glyph =
      scale.height(text.font_height) * scale.width(text.font_height * text.font_ratio);
  return glyph * static_cast<double>(std::strlen(text.str)) +
         scale.area(text.bbox.TL, text.bbox.BR);
}
double region_price(const PixelScale& scale, const wmfPolyRectangle_t& region) {
  double price = 0;
  for (unsigned i = 0; i < region.count; ++i)
    price += scale.area(region.TL[i], region.BR[i]);
  return price;
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
    api_->user_data = this;
    price_device_calls();
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
  bool empty() const { return !(box_.BR.x > box_.TL.x && box_.BR.y > box_.TL.y); }

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
    scale_.x = width / (box_.BR.x - box_.TL.x);
    scale_.y = height / (box_.BR.y - box_.TL.y);
    scale_.raster = static_cast<double>(device->width) * device->height;
    if (wmf_play(api_, 0, &box_) != wmf_E_None || png_.empty()) {
      if (pixels_left_ < 0) return Failure{"the WMF drawing is too complex to draw"};
      return Failure{"damaged WMF data"};
    }
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

  template <typename Call>
  using DeviceCall = void (*)(wmfAPI*, Call*);

  // Runs the device's own call when the budget affords its price.
  template <typename Call, DeviceCall<Call> wmfFunctionReference::*member,
            double (*price)(const PixelScale&, const Call&)>
  static void priced(wmfAPI* api, Call* call) {
    auto* session = static_cast<WmfSession*>(api->user_data);
    session->pixels_left_ -= price(session->scale_, *call);
    // A price that is not a number (a box of no size) is refused too.
    if (!(session->pixels_left_ >= 0)) {
      session->pixels_left_ = -1;
      api->err = wmf_E_UserExit;
      return;
    }
    (session->device_.*member)(api, call);
  }

  // Puts a priced call in place of each drawing call the device has.
  void price_device_calls() {
    auto& calls = *static_cast<wmfFunctionReference*>(api_->function_reference);
    device_ = calls;
    using Calls = wmfFunctionReference;
    const auto price_call = [](auto& call, auto priced_call) {
      if (call) call = priced_call;
    };
    price_call(calls.flood_interior, priced<wmfFlood_t, &Calls::flood_interior, flood_price>);
    price_call(calls.flood_exterior, priced<wmfFlood_t, &Calls::flood_exterior, flood_price>);
    price_call(calls.draw_pixel, priced<wmfDrawPixel_t, &Calls::draw_pixel, pixel_price>);
    price_call(calls.draw_pie, priced<wmfDrawArc_t, &Calls::draw_pie, arc_price>);
    price_call(calls.draw_chord, priced<wmfDrawArc_t, &Calls::draw_chord, arc_price>);
    price_call(calls.draw_arc, priced<wmfDrawArc_t, &Calls::draw_arc, arc_price>);
    price_call(calls.draw_ellipse, priced<wmfDrawArc_t, &Calls::draw_ellipse, arc_price>);
    price_call(calls.draw_line, priced<wmfDrawLine_t, &Calls::draw_line, line_price>);
    price_call(calls.poly_line, priced<wmfPolyLine_t, &Calls::poly_line, polyline_price>);
    price_call(calls.draw_polygon, priced<wmfPolyLine_t, &Calls::draw_polygon, polyline_price>);
    price_call(calls.draw_polypolygon,
               priced<wmfPolyPoly_t, &Calls::draw_polypolygon, polypolygon_price>);
    price_call(calls.draw_rectangle,
               priced<wmfDrawRectangle_t, &Calls::draw_rectangle, rectangle_price>);
    price_call(calls.rop_draw, priced<wmfROP_Draw_t, &Calls::rop_draw, rop_price>);
    price_call(calls.bmp_draw, priced<wmfBMP_Draw_t, &Calls::bmp_draw, bitmap_price>);
    price_call(calls.draw_text, priced<wmfDrawText_t, &Calls::draw_text, text_price>);
    price_call(calls.region_frame, priced<wmfPolyRectangle_t, &Calls::region_frame, region_price>);
    price_call(calls.region_paint, priced<wmfPolyRectangle_t, &Calls::region_paint, region_price>);
  }

  AllocationBudget budget_;
  wmfFunctionReference device_{};
  PixelScale scale_;
  double pixels_left_ = kMostPaintedPixels;
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
    if (session.empty()) return Failure{"the WMF drawing has nothing in it"};
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
