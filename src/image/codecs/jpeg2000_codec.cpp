// JPEG 2000 through OpenJPEG: the JP2 file format and the bare codestream (JPC),
// decoded at a reduced resolution level when a target size allows.
#include <algorithm>
#include <cstring>
#include <string>

#include "image/codecs/codecs.h"
#include "image/codecs/jpeg2000_stream.h"
#include "image/codecs/jpeg2000_writer.h"
#include "image/image_limits.h"

namespace pictavo::codecs {
namespace {

struct Jpeg2000Reader {
  Jpeg2000Memory memory;
  OpjStream stream;
  OpjCodec codec;
  OpjImage image;
  std::string error;

  bool open(ByteSpan bytes, OPJ_CODEC_FORMAT format) {
    memory.input = bytes;
    stream = open_jpeg2000_stream(memory);
    codec.reset(opj_create_decompress(format));
    if (!stream || !codec) return false;
    capture_jpeg2000_errors(codec.get(), error);
    opj_dparameters_t parameters;
    opj_set_default_decoder_parameters(&parameters);
    if (!opj_setup_decoder(codec.get(), &parameters)) return false;
    opj_image_t* header = nullptr;
    const bool read = opj_read_header(stream.get(), codec.get(), &header);
    image.reset(header);
    return read && image && image->numcomps > 0 && image->comps;
  }

  int width() const { return static_cast<int>(std::min(image->x1 - image->x0, 1u << 30)); }
  int height() const { return static_cast<int>(std::min(image->y1 - image->y0, 1u << 30)); }

  // The fewest resolution levels that still give `needed` of the full size.
  void reduce_for(double needed) {
    opj_codestream_info_v2_t* info = opj_get_cstr_info(codec.get());
    if (!info) return;
    const OPJ_UINT32 levels = info->m_default_tile_info.tccp_info
                                  ? info->m_default_tile_info.tccp_info[0].numresolutions
                                  : 1;
    opj_destroy_cstr_info(&info);
    OPJ_UINT32 factor = 0;
    while (factor + 1 < levels && factor < 8 && needed * (2u << factor) <= 1.0)
      ++factor;
    if (factor > 0) opj_set_decoded_resolution_factor(codec.get(), factor);
  }

  bool decode() {
    return opj_decode(codec.get(), stream.get(), image.get()) &&
           opj_end_decompress(codec.get(), stream.get());
  }

  std::string reason(const char* what) const {
    return error.empty() ? std::string(what) : std::string(what) + ": " + error;
  }
};

// One component's sample at a position of the first component's grid, scaled to
// 0..255.
struct ComponentReader {
  const opj_image_comp_t& component;
  int x_step;  // first component's pixels per sample, in 1/256
  int y_step;
  int offset;
  int shift;

  static ComponentReader of(const opj_image_comp_t& first, const opj_image_comp_t& component) {
    const int precision = static_cast<int>(component.prec);
    return {component, static_cast<int>(256 * std::max(1u, first.dx) / std::max(1u, component.dx)),
            static_cast<int>(256 * std::max(1u, first.dy) / std::max(1u, component.dy)),
            component.sgnd ? 1 << (precision - 1) : 0, precision - 8};
  }

  std::uint8_t at(int x, int y) const {
    const int cx = std::min((x * x_step) >> 8, static_cast<int>(component.w) - 1);
    const int cy = std::min((y * y_step) >> 8, static_cast<int>(component.h) - 1);
    const std::int64_t value =
        static_cast<std::int64_t>(component.data[static_cast<std::size_t>(cy) * component.w + cx]) +
        offset;
    const std::int64_t scaled =
        shift >= 0 ? value >> shift : value * 255 / ((1 << (8 + shift)) - 1);
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(scaled, 0, 255));
  }
};

bool components_usable(const opj_image_t& image, OPJ_UINT32 count) {
  for (OPJ_UINT32 c = 0; c < count; ++c) {
    const opj_image_comp_t& component = image.comps[c];
    if (!component.data || component.w == 0 || component.h == 0 || component.prec < 1 ||
        component.prec > 31) {
      return false;
    }
  }
  return true;
}

std::uint8_t clamp_byte(double value) {
  return static_cast<std::uint8_t>(std::clamp(value + 0.5, 0.0, 255.0));
}

Result<Image> to_image(const opj_image_t& decoded) {
  const OPJ_UINT32 colours = decoded.numcomps >= 3 ? 3 : 1;
  const bool alpha = decoded.numcomps == colours + 1;
  if (!components_usable(decoded, colours + (alpha ? 1 : 0))) {
    return Failure{"damaged JPEG 2000 data: a component has no samples"};
  }
  const opj_image_comp_t& first = decoded.comps[0];
  const std::string refusal = image_size_refusal(first.w, first.h);
  if (!refusal.empty()) return Failure{refusal};
  std::optional<Image> image = Image::allocate(static_cast<int>(first.w), static_cast<int>(first.h),
                                               alpha ? PixelLayout::kBgra : PixelLayout::kBgrx);
  if (!image) return Failure{"not enough memory for the picture"};
  const ComponentReader c0 = ComponentReader::of(first, decoded.comps[0]);
  const ComponentReader c1 = ComponentReader::of(first, decoded.comps[colours == 3 ? 1 : 0]);
  const ComponentReader c2 = ComponentReader::of(first, decoded.comps[colours == 3 ? 2 : 0]);
  const ComponentReader ca = ComponentReader::of(first, decoded.comps[alpha ? colours : 0]);
  const bool ycc = colours == 3 && decoded.color_space == OPJ_CLRSPC_SYCC;
  for (int y = 0; y < image->height(); ++y) {
    std::uint8_t* out = image->row(y);
    for (int x = 0; x < image->width(); ++x, out += 4) {
      const int v0 = c0.at(x, y), v1 = c1.at(x, y), v2 = c2.at(x, y);
      if (ycc) {
        out[2] = clamp_byte(v0 + 1.402 * (v2 - 128));
        out[1] = clamp_byte(v0 - 0.344136 * (v1 - 128) - 0.714136 * (v2 - 128));
        out[0] = clamp_byte(v0 + 1.772 * (v1 - 128));
      } else {
        out[2] = static_cast<std::uint8_t>(v0);
        out[1] = static_cast<std::uint8_t>(v1);
        out[0] = static_cast<std::uint8_t>(v2);
      }
      out[3] = alpha ? ca.at(x, y) : 255;
    }
  }
  return std::move(*image);
}

class Jpeg2000Codec final : public ImageCodec {
 public:
  explicit Jpeg2000Codec(ImageFormat format) : format_(format) {}

  ImageFormat format() const override { return format_; }

  Sniff sniff(ByteSpan head) const override {
    static constexpr std::uint8_t kJp2[12] = {0,   0,   0,    12,   'j',  'P',
                                              ' ', ' ', '\r', '\n', 0x87, '\n'};
    static constexpr std::uint8_t kCodestream[4] = {0xFF, 0x4F, 0xFF, 0x51};
    const bool match = format_ == ImageFormat::kJp2
                           ? head.size() >= 12 && std::memcmp(head.data(), kJp2, 12) == 0
                           : head.size() >= 4 && std::memcmp(head.data(), kCodestream, 4) == 0;
    return match ? Sniff::kYes : Sniff::kNo;
  }

  Result<ImageInfo> probe(ByteSpan bytes) const override {
    Jpeg2000Reader reader;
    if (!reader.open(bytes, opj_format()))
      return Failure{reader.reason("not a readable JPEG 2000 header")};
    ImageInfo info;
    info.width = reader.width();
    info.height = reader.height();
    info.bits_per_pixel =
        static_cast<int>(reader.image->numcomps * std::min(reader.image->comps[0].prec, 32u));
    info.has_alpha = reader.image->numcomps == 2 || reader.image->numcomps == 4;
    return info;
  }

  Result<Image> decode(ByteSpan bytes, const DecodeOptions& options) const override {
    Jpeg2000Reader reader;
    if (!reader.open(bytes, opj_format()))
      return Failure{reader.reason("not a readable JPEG 2000 header")};
    const int full_width = reader.width();
    const int full_height = reader.height();
    std::string refusal = image_size_refusal(full_width, full_height);
    if (!refusal.empty()) return Failure{refusal};
    for (OPJ_UINT32 c = 0; c < reader.image->numcomps && refusal.empty(); ++c) {
      refusal = image_size_refusal(reader.image->comps[c].w, reader.image->comps[c].h);
    }
    if (!refusal.empty()) return Failure{refusal};
    reader.reduce_for(options.target.scale_needed(full_width, full_height));
    if (!reader.decode()) return Failure{reader.reason("damaged JPEG 2000 data")};
    Result<Image> image = to_image(*reader.image);
    if (image) {
      image->origin().full_width = full_width;
      image->origin().full_height = full_height;
    }
    return image;
  }

  bool can_encode() const override { return true; }
  Result<Bytes> encode(const Image& image, const EncodeOptions&) const override {
    return encode_jpeg2000(image, format_ == ImageFormat::kJp2);
  }

 private:
  OPJ_CODEC_FORMAT opj_format() const {
    return format_ == ImageFormat::kJp2 ? OPJ_CODEC_JP2 : OPJ_CODEC_J2K;
  }

  ImageFormat format_;
};

}  // namespace

const ImageCodec& jp2_codec() {
  static const Jpeg2000Codec codec(ImageFormat::kJp2);
  return codec;
}

const ImageCodec& jpc_codec() {
  static const Jpeg2000Codec codec(ImageFormat::kJpc);
  return codec;
}

}  // namespace pictavo::codecs
