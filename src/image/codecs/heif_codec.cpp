// HEIC/HEIF photos, as phones take them, through libheif. The file's rotation and
// mirroring (irot/imir) belong to the picture itself and libheif applies them, so
// the pixels come out upright; an EXIF orientation inside a HEIF file only repeats
// them and is not applied a second time.
#include <libheif/heif.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "image/area_reducer.h"
#include "image/codecs/codecs.h"
#include "image/image_limits.h"

namespace pictavo::codecs {
namespace {

// libheif checks each side of the coded picture, which may be larger than the size
// the file states, against this before it allocates: the panoramas of phones (some
// 16000 pixels wide) pass, and no picture it decodes can take much over a gigabyte.
constexpr int kLongestCodedSide = 16384;

struct ContextFree {
  void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleRelease {
  void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct ImageRelease {
  void operator()(heif_image* image) const { heif_image_release(image); }
};
using ContextPtr = std::unique_ptr<heif_context, ContextFree>;
using HandlePtr = std::unique_ptr<heif_image_handle, HandleRelease>;
using ImagePtr = std::unique_ptr<heif_image, ImageRelease>;

std::string reason(const char* what, const heif_error& error) {
  return std::string(what) + ": " + (error.message ? error.message : "unknown error");
}

// The file's primary picture, read straight from the caller's bytes.
class HeifFile {
 public:
  explicit HeifFile(ByteSpan bytes) : context_(heif_context_alloc()) {
    if (!context_) {
      failure_ = "not enough memory to read the HEIF file";
      return;
    }
    heif_context_set_maximum_image_size_limit(context_.get(), kLongestCodedSide);
    heif_error error = heif_context_read_from_memory_without_copy(context_.get(), bytes.data(),
                                                                  bytes.size(), nullptr);
    if (error.code != heif_error_Ok) {
      failure_ = reason("not a readable HEIF file", error);
      return;
    }
    heif_image_handle* handle = nullptr;
    error = heif_context_get_primary_image_handle(context_.get(), &handle);
    primary_.reset(handle);
    if (error.code != heif_error_Ok) failure_ = reason("the HEIF file has no picture", error);
  }

  bool ok() const { return failure_.empty(); }
  const std::string& failure() const { return failure_; }
  heif_image_handle* primary() const { return primary_.get(); }

  // The smallest of the primary picture's stored thumbnails that still gives the
  // caller the pixels it needs; the primary picture when none is big enough.
  HandlePtr smallest_sufficient(const TargetSize& target) const {
    const int width = heif_image_handle_get_width(primary());
    const int height = heif_image_handle_get_height(primary());
    const double needed = target.scale_needed(width, height);
    HandlePtr chosen;
    if (needed >= 1.0) return chosen;
    const int count = heif_image_handle_get_number_of_thumbnails(primary());
    std::vector<heif_item_id> ids(static_cast<std::size_t>(count));
    heif_image_handle_get_list_of_thumbnail_IDs(primary(), ids.data(), count);
    for (heif_item_id id : ids) {
      heif_image_handle* thumbnail = nullptr;
      if (heif_image_handle_get_thumbnail(primary(), id, &thumbnail).code != heif_error_Ok)
        continue;
      HandlePtr candidate(thumbnail);
      const int thumbnail_width = heif_image_handle_get_width(thumbnail);
      if (thumbnail_width < width * needed) continue;
      if (!chosen || thumbnail_width < heif_image_handle_get_width(chosen.get())) {
        chosen = std::move(candidate);
      }
    }
    return chosen;
  }

 private:
  ContextPtr context_;
  HandlePtr primary_;
  std::string failure_;
};

// The decoded pixels as an Image, when there are as many as the file states: a coded
// picture larger than its stated size would cost more than the size checks allowed.
// Reduced towards `target` as they are copied, so that no second picture of the
// full size is made.
Result<Image> copy_pixels(heif_image* decoded, bool alpha, int stated_width, int stated_height,
                          const TargetSize& target) {
  const int width = heif_image_get_width(decoded, heif_channel_interleaved);
  const int height = heif_image_get_height(decoded, heif_channel_interleaved);
  if (width != stated_width || height != stated_height)
    return Failure{"the HEIF picture is not the size its file states"};
  int stride = 0;
  const std::uint8_t* plane =
      heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
  if (!plane || width <= 0 || height <= 0) return Failure{"the HEIF picture has no pixels"};
  const PixelLayout layout = alpha ? PixelLayout::kBgra : PixelLayout::kBgrx;
  const std::optional<AreaReducer::Size> reduced = AreaReducer::reduced_size(target, width, height);
  std::optional<Image> image = reduced ? Image::allocate(reduced->width, reduced->height, layout)
                                       : Image::allocate(width, height, layout);
  if (!image) return Failure{"not enough memory for the picture"};
  std::optional<AreaReducer> reducer;
  std::vector<std::uint8_t> row;
  if (reduced) {
    reducer = AreaReducer::create(width, height, std::move(*image));
    if (!reducer) return Failure{"not enough memory for the picture"};
    row.resize(static_cast<std::size_t>(width) * 4);
  }
  const int channels = alpha ? 4 : 3;
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* in = plane + static_cast<std::ptrdiff_t>(y) * stride;
    std::uint8_t* out = reducer ? row.data() : image->row(y);
    for (int x = 0; x < width; ++x, in += channels, out += 4) {
      out[0] = in[2];
      out[1] = in[1];
      out[2] = in[0];
      out[3] = alpha ? in[3] : 255;
    }
    if (reducer) reducer->add_row(row.data());
  }
  return reducer ? reducer->take() : std::move(*image);
}

class HeifCodec final : public ImageCodec {
 public:
  ImageFormat format() const override { return ImageFormat::kHeif; }

  Sniff sniff(ByteSpan head) const override {
    if (head.size() < 12) return Sniff::kNo;
    const heif_filetype_result type =
        heif_check_filetype(head.data(), static_cast<int>(head.size()));
    return type == heif_filetype_yes_supported ? Sniff::kYes : Sniff::kNo;
  }

  Result<ImageInfo> probe(ByteSpan bytes) const override {
    const HeifFile file(bytes);
    if (!file.ok()) return Failure{file.failure()};
    ImageInfo info;
    info.width = heif_image_handle_get_width(file.primary());
    info.height = heif_image_handle_get_height(file.primary());
    info.has_alpha = heif_image_handle_has_alpha_channel(file.primary()) != 0;
    info.bits_per_pixel = info.has_alpha ? 32 : 24;
    return info;
  }

  Result<Image> decode(ByteSpan bytes, const DecodeOptions& options) const override {
    const HeifFile file(bytes);
    if (!file.ok()) return Failure{file.failure()};
    const int width = heif_image_handle_get_width(file.primary());
    const int height = heif_image_handle_get_height(file.primary());
    const std::string refusal = image_size_refusal(width, height);
    if (!refusal.empty()) return Failure{refusal};

    const HandlePtr thumbnail = file.smallest_sufficient(options.target);
    heif_image_handle* source = thumbnail ? thumbnail.get() : file.primary();
    const bool alpha = heif_image_handle_has_alpha_channel(source) != 0;
    heif_image* decoded = nullptr;
    const heif_error error = heif_decode_image(
        source, &decoded, heif_colorspace_RGB,
        alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, nullptr);
    const ImagePtr owned(decoded);
    if (error.code != heif_error_Ok)
      return Failure{reason("cannot decode the HEIF picture", error)};
    // A thumbnail stands for the whole picture: it is reduced to what the whole
    // picture would be.
    const int source_width = heif_image_handle_get_width(source);
    const int source_height = heif_image_handle_get_height(source);
    TargetSize target = options.target;
    if (target.is_set()) {
      const std::optional<AreaReducer::Size> whole =
          AreaReducer::reduced_size(options.target, width, height);
      if (whole) target = {whole->width, whole->height, false};
    }
    Result<Image> image = copy_pixels(decoded, alpha, source_width, source_height, target);
    if (!image) return image;
    ImageOrigin& origin = image->origin();
    origin.full_width = width;
    origin.full_height = height;
    return image;
  }
};

}  // namespace

const ImageCodec& heif_codec() {
  static const HeifCodec codec;
  return codec;
}

}  // namespace pictavo::codecs
