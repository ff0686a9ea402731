// JPEG through libjpeg-turbo: DCT-scaled decoding towards a target size, EXIF
// orientation, CMYK, and baseline encoding.
#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// libjpeg's headers need FILE and size_t declared before them.
#include <jerror.h>
#include <jpeglib.h>

#include "image/codecs/codecs.h"
#include "image/image_limits.h"
#include "image/orientation.h"

namespace pictavo::codecs {
namespace {

// A progressive file may hold any number of scans, each a full pass over the
// coefficients; real photos have about ten.
constexpr int kMaxScans = 1000;

// libjpeg reports an error by calling error_exit, which must not return. Ours
// jumps back into guarded(), the only place that calls setjmp. Everything between
// the two is libjpeg's C code or lambdas with trivially destructible locals, so no
// C++ destructor is skipped; the libjpeg objects are cleaned up by their owners
// after guarded() has returned.
struct JpegErrors {
  jpeg_error_mgr manager;  // first: libjpeg hands back a pointer to it
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jump_with_message(j_common_ptr cinfo, const char* text) {
  auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
  if (text) {
    std::snprintf(errors->message, sizeof errors->message, "%s", text);
  } else {
    (*cinfo->err->format_message)(cinfo, errors->message);
  }
  std::longjmp(errors->jump, 1);
}

[[noreturn]] void on_error(j_common_ptr cinfo) {
  jump_with_message(cinfo, nullptr);
}

// Warnings mean missing or corrupt data (libjpeg would fill in grey); only stray
// bytes between markers, common in camera files, are harmless.
void on_message(j_common_ptr cinfo, int level) {
  if (level < 0 && cinfo->err->msg_code != JWRN_EXTRANEOUS_DATA) jump_with_message(cinfo, nullptr);
}

void check_scan_limit(j_common_ptr cinfo) {
  if (cinfo->is_decompressor &&
      reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans) {
    jump_with_message(cinfo, "too many progressive scans");
  }
}

template <typename Call>
bool guarded(JpegErrors& errors, Call&& call) {
  if (setjmp(errors.jump)) return false;
  call();
  return true;
}

void install_errors(jpeg_error_mgr*& slot, JpegErrors& errors) {
  slot = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = on_error;
  errors.manager.emit_message = on_message;
  errors.message[0] = '\0';
}

class JpegDecoder {
 public:
  explicit JpegDecoder(ByteSpan bytes) {
    install_errors(cinfo.err, errors_);
    progress_.progress_monitor = check_scan_limit;
    created_ = guarded(errors_, [this] { jpeg_create_decompress(&cinfo); });
    cinfo.progress = &progress_;
    bytes_ = bytes;
  }
  ~JpegDecoder() { jpeg_destroy_decompress(&cinfo); }
  JpegDecoder(const JpegDecoder&) = delete;
  JpegDecoder& operator=(const JpegDecoder&) = delete;

  bool read_header() {
    return created_ && guarded(errors_, [this] {
             jpeg_mem_src(&cinfo, bytes_.data(), static_cast<unsigned long>(bytes_.size()));
             jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 0xFFFF);
             jpeg_read_header(&cinfo, TRUE);
           });
  }

  // The smallest of the scales 1/8 .. 8/8 whose output still has `needed` of the
  // picture's size.
  bool choose_scale(double needed) {
    const auto at_least = [](unsigned side, double scale) {
      return static_cast<unsigned>(std::ceil(side * scale - 1e-6));
    };
    for (unsigned eighths = 1; eighths <= 8; ++eighths) {
      cinfo.scale_num = eighths;
      cinfo.scale_denom = 8;
      if (!guarded(errors_, [this] { jpeg_calc_output_dimensions(&cinfo); })) return false;
      if (cinfo.output_width >= at_least(cinfo.image_width, needed) &&
          cinfo.output_height >= at_least(cinfo.image_height, needed)) {
        return true;
      }
    }
    return true;
  }

  bool read_pixels(Image& image, bool cmyk) {
    return guarded(errors_, [&] {
      jpeg_start_decompress(&cinfo);
      if (cmyk) {
        read_cmyk_rows(image);
        return;
      }
      JSAMPROW rows[16];
      while (cinfo.output_scanline < cinfo.output_height) {
        const unsigned count = std::min(16u, cinfo.output_height - cinfo.output_scanline);
        for (unsigned i = 0; i < count; ++i) {
          rows[i] = image.row(static_cast<int>(cinfo.output_scanline + i));
        }
        if (jpeg_read_scanlines(&cinfo, rows, count) == 0) {
          jump_with_message(reinterpret_cast<j_common_ptr>(&cinfo), "the JPEG data ends early");
        }
      }
    });
  }

  int orientation() const {
    for (jpeg_saved_marker_ptr marker = cinfo.marker_list; marker; marker = marker->next) {
      if (marker->marker == JPEG_APP0 + 1 && marker->data_length > 6 &&
          std::memcmp(marker->data, "Exif\0\0", 6) == 0) {
        return read_exif_orientation({marker->data, marker->data_length});
      }
    }
    return 1;
  }

  std::string reason(const char* what) const { return std::string(what) + ": " + errors_.message; }

  jpeg_decompress_struct cinfo{};

 private:
  // Adobe files store CMYK inverted; others as printed.
  void read_cmyk_rows(Image& image) {
    JSAMPARRAY buffer = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo),
                                                   JPOOL_IMAGE, cinfo.output_width * 4, 1);
    const bool inverted = cinfo.saw_Adobe_marker;
    while (cinfo.output_scanline < cinfo.output_height) {
      std::uint8_t* out = image.row(static_cast<int>(cinfo.output_scanline));
      if (jpeg_read_scanlines(&cinfo, buffer, 1) == 0) {
        jump_with_message(reinterpret_cast<j_common_ptr>(&cinfo), "the JPEG data ends early");
      }
      const JSAMPLE* in = buffer[0];
      for (unsigned x = 0; x < cinfo.output_width; ++x, in += 4, out += 4) {
        const int k = inverted ? in[3] : 255 - in[3];
        for (int c = 0; c < 3; ++c) {
          const int ink = inverted ? in[2 - c] : 255 - in[2 - c];
          out[c] = static_cast<std::uint8_t>((ink * k + 127) / 255);
        }
        out[3] = 255;
      }
    }
  }

  JpegErrors errors_{};
  jpeg_progress_mgr progress_{};
  ByteSpan bytes_;
  bool created_ = false;
};

int density_to_dpi(int unit, int density) {
  if (density <= 0) return 96;
  if (unit == 1) return density;
  if (unit == 2) return static_cast<int>(std::lround(density * 2.54));
  return 96;
}

class JpegCodec final : public ImageCodec {
 public:
  ImageFormat format() const override { return ImageFormat::kJpeg; }

  Sniff sniff(ByteSpan head) const override {
    return head.size() >= 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF ? Sniff::kYes
                                                                                     : Sniff::kNo;
  }

  Result<ImageInfo> probe(ByteSpan bytes) const override {
    JpegDecoder decoder(bytes);
    if (!decoder.read_header()) return Failure{decoder.reason("not a readable JPEG header")};
    ImageInfo info;
    info.width = static_cast<int>(decoder.cinfo.image_width);
    info.height = static_cast<int>(decoder.cinfo.image_height);
    info.bits_per_pixel = decoder.cinfo.num_components * 8;
    info.orientation = decoder.orientation();
    return info;
  }

  Result<Image> decode(ByteSpan bytes, const DecodeOptions& options) const override {
    JpegDecoder decoder(bytes);
    if (!decoder.read_header()) return Failure{decoder.reason("not a readable JPEG header")};
    jpeg_decompress_struct& cinfo = decoder.cinfo;
    const std::string refusal = image_size_refusal(cinfo.image_width, cinfo.image_height);
    if (!refusal.empty()) return Failure{refusal};

    const int orientation = decoder.orientation();
    TargetSize target = options.target;
    if (options.apply_orientation && orientation_swaps_sides(orientation)) {
      std::swap(target.width, target.height);
    }
    const double needed = target.scale_needed(static_cast<int>(cinfo.image_width),
                                              static_cast<int>(cinfo.image_height));
    if (needed < 1.0) {
      // The picture is reduced further afterwards: the smoother upsampling is wasted.
      cinfo.do_fancy_upsampling = FALSE;
      cinfo.do_block_smoothing = FALSE;
    }
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    if (!decoder.choose_scale(needed)) return Failure{decoder.reason("cannot decode the JPEG")};

    std::optional<Image> image =
        Image::allocate(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                        PixelLayout::kBgrx);
    if (!image) return Failure{"not enough memory for the picture"};
    if (!decoder.read_pixels(*image, cmyk)) return Failure{decoder.reason("damaged JPEG data")};

    image->set_resolution(density_to_dpi(cinfo.density_unit, cinfo.X_density),
                          density_to_dpi(cinfo.density_unit, cinfo.Y_density));
    ImageOrigin& origin = image->origin();
    origin.full_width = static_cast<int>(cinfo.image_width);
    origin.full_height = static_cast<int>(cinfo.image_height);
    origin.orientation = orientation;
    return std::move(*image);
  }

  bool can_encode() const override { return true; }

  Result<Bytes> encode(const Image& image, const EncodeOptions& options) const override {
    const Image* source = &image;
    Image expanded;
    if (image.layout() == PixelLayout::kIndexed) {
      expanded = image;
      if (!expanded.convert_to(PixelLayout::kBgrx)) return Failure{"not enough memory"};
      source = &expanded;
    }
    JpegErrors errors{};
    jpeg_compress_struct cinfo{};
    install_errors(cinfo.err, errors);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool done = guarded(errors, [&] {
      jpeg_create_compress(&cinfo);
      jpeg_mem_dest(&cinfo, &buffer, &size);
      cinfo.image_width = static_cast<JDIMENSION>(source->width());
      cinfo.image_height = static_cast<JDIMENSION>(source->height());
      cinfo.input_components = 4;
      cinfo.in_color_space = JCS_EXT_BGRX;  // the fourth byte (x or alpha) is ignored
      jpeg_set_defaults(&cinfo);
      jpeg_set_quality(&cinfo, std::clamp(options.jpeg_quality, 1, 100), TRUE);
      cinfo.density_unit = 1;
      cinfo.X_density = static_cast<UINT16>(source->x_dpi());
      cinfo.Y_density = static_cast<UINT16>(source->y_dpi());
      jpeg_start_compress(&cinfo, TRUE);
      while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(source->row(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
      }
      jpeg_finish_compress(&cinfo);
    });
    jpeg_destroy_compress(&cinfo);
    Result<Bytes> encoded = Failure{std::string("cannot encode the JPEG: ") + errors.message};
    if (done && buffer) encoded = Bytes(buffer, buffer + size);
    std::free(buffer);
    return encoded;
  }
};

}  // namespace

const ImageCodec& jpeg_codec() {
  static const JpegCodec codec;
  return codec;
}

}  // namespace pictavo::codecs
