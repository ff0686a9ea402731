// Truevision TGA: headers and the length of the (RLE) pixel data checked here,
// pixels decoded by stb_image and written (RLE) by stb_image_write.
#include <string>

#include "base/byte_reader.h"
#include "image/codecs/codecs.h"
#include "image/codecs/stb_adapter.h"
#include "image/image_limits.h"

namespace pictavo::codecs {
namespace {

struct TgaHeader {
  int id_length = 0;
  int colour_map_type = 0;
  int image_type = 0;
  int colour_map_length = 0;
  int colour_map_bits = 0;
  int width = 0;
  int height = 0;
  int bits = 0;

  bool run_length_encoded() const { return image_type >= 9; }
  bool paletted() const { return image_type == 1 || image_type == 9; }
};

std::optional<TgaHeader> read_header(ByteSpan bytes) {
  ByteReader in(bytes);
  TgaHeader header;
  header.id_length = in.u8();
  header.colour_map_type = in.u8();
  header.image_type = in.u8();
  in.skip(2);
  header.colour_map_length = in.u16le();
  header.colour_map_bits = in.u8();
  in.skip(4);
  header.width = in.u16le();
  header.height = in.u16le();
  header.bits = in.u8();
  in.skip(1);
  if (!in.ok()) return std::nullopt;
  const int type = header.image_type & ~8;
  const bool plausible = header.colour_map_type <= 1 && (type == 1 || type == 2 || type == 3) &&
                         header.image_type <= 11 &&
                         (header.bits == 8 || header.bits == 15 || header.bits == 16 ||
                          header.bits == 24 || header.bits == 32) &&
                         header.width > 0 && header.height > 0 &&
                         (header.colour_map_type == 1) == header.paletted();
  if (!plausible) return std::nullopt;
  return header;
}

// Walks the RLE packets without decoding them: the file must hold every pixel.
bool run_length_data_complete(ByteReader& in, std::uint64_t pixels, int bytes_per_pixel) {
  std::uint64_t covered = 0;
  while (covered < pixels) {
    const int packet = in.u8();
    const int count = (packet & 0x7F) + 1;
    in.skip(static_cast<std::size_t>(packet & 0x80 ? 1 : count) * bytes_per_pixel);
    if (!in.ok()) return false;
    covered += static_cast<std::uint64_t>(count);
  }
  return true;
}

std::string check_data(const TgaHeader& header, ByteSpan bytes) {
  const std::string refusal = image_size_refusal(header.width, header.height);
  if (!refusal.empty()) return refusal;
  ByteReader in(bytes, 18);
  in.skip(static_cast<std::size_t>(header.id_length));
  if (header.colour_map_type == 1) {
    in.skip(static_cast<std::size_t>(header.colour_map_length) *
            ((header.colour_map_bits + 7) / 8));
  }
  const int bytes_per_pixel = (header.bits + 7) / 8;
  const std::uint64_t pixels = static_cast<std::uint64_t>(header.width) * header.height;
  if (header.run_length_encoded()) {
    if (!run_length_data_complete(in, pixels, bytes_per_pixel)) return "the TGA data ends early";
  } else if (!in.ok() || in.remaining() < pixels * bytes_per_pixel) {
    return "the TGA data ends early";
  }
  return {};
}

class TgaCodec final : public ImageCodec {
 public:
  ImageFormat format() const override { return ImageFormat::kTga; }

  // TGA has no signature: a plausible header is all there is.
  Sniff sniff(ByteSpan head) const override {
    return read_header(head) ? Sniff::kWeak : Sniff::kNo;
  }

  Result<ImageInfo> probe(ByteSpan bytes) const override {
    const std::optional<TgaHeader> header = read_header(bytes);
    if (!header) return Failure{"not a TGA file"};
    ImageInfo info;
    info.width = header->width;
    info.height = header->height;
    info.bits_per_pixel = header->bits;
    info.has_alpha = header->bits == 32;
    return info;
  }

  Result<Image> decode(ByteSpan bytes, const DecodeOptions&) const override {
    const std::optional<TgaHeader> header = read_header(bytes);
    if (!header) return Failure{"not a TGA file"};
    const std::string problem = check_data(*header, bytes);
    if (!problem.empty()) return Failure{problem};
    return decode_with_stb(bytes, "TGA");
  }

  bool can_encode() const override { return true; }
  Result<Bytes> encode(const Image& image, const EncodeOptions&) const override {
    return encode_with_stb(image, StbWriter::kTga);
  }
};

}  // namespace

const ImageCodec& tga_codec() {
  static const TgaCodec codec;
  return codec;
}

}  // namespace pictavo::codecs
