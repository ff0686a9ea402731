// Wireless bitmaps (type 0), written by hand: a tiny header of variable-length
// numbers, then rows of bits, 1 for white.
#include <string>

#include "base/byte_reader.h"
#include "base/byte_writer.h"
#include "image/codecs/codecs.h"
#include "image/image_limits.h"

namespace pictavo::codecs {
namespace {

// Seven bits a byte, high bit set on all but the last; at most four bytes.
std::int64_t read_number(ByteReader& in) {
  std::int64_t value = 0;
  for (int i = 0; i < 4; ++i) {
    const std::uint8_t byte = in.u8();
    value = value << 7 | (byte & 0x7F);
    if (!(byte & 0x80)) return in.ok() ? value : -1;
  }
  return -1;
}

void write_number(ByteWriter& out, std::uint32_t value) {
  int shift = 28;
  while (shift > 0 && (value >> shift) == 0)
    shift -= 7;
  for (; shift > 0; shift -= 7)
    out.u8(0x80 | ((value >> shift) & 0x7F));
  out.u8(value & 0x7F);
}

struct WbmpHeader {
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::size_t data_offset = 0;
};

std::optional<WbmpHeader> read_header(ByteSpan bytes) {
  ByteReader in(bytes);
  const std::int64_t type = read_number(in);
  const std::uint8_t fixed = in.u8();
  WbmpHeader header;
  header.width = read_number(in);
  header.height = read_number(in);
  if (!in.ok() || type != 0 || fixed != 0 || header.width <= 0 || header.height <= 0) {
    return std::nullopt;
  }
  header.data_offset = in.offset();
  return header;
}

class WbmpCodec final : public ImageCodec {
 public:
  ImageFormat format() const override { return ImageFormat::kWbmp; }

  // No signature: two zero bytes and two sizes are all there is.
  Sniff sniff(ByteSpan head) const override {
    return read_header(head) ? Sniff::kWeak : Sniff::kNo;
  }

  Result<ImageInfo> probe(ByteSpan bytes) const override {
    const std::optional<WbmpHeader> header = read_header(bytes);
    if (!header) return Failure{"not a WBMP file"};
    ImageInfo info;
    info.width = static_cast<int>(header->width);
    info.height = static_cast<int>(header->height);
    info.bits_per_pixel = 1;
    return info;
  }

  Result<Image> decode(ByteSpan bytes, const DecodeOptions&) const override {
    const std::optional<WbmpHeader> header = read_header(bytes);
    if (!header) return Failure{"not a WBMP file"};
    const std::string refusal = image_size_refusal(header->width, header->height);
    if (!refusal.empty()) return Failure{refusal};
    const std::size_t stride = (static_cast<std::size_t>(header->width) + 7) / 8;
    if (bytes.size() - header->data_offset < stride * static_cast<std::size_t>(header->height)) {
      return Failure{"the WBMP data ends early"};
    }
    std::optional<Image> image = Image::allocate(
        static_cast<int>(header->width), static_cast<int>(header->height), PixelLayout::kIndexed);
    if (!image) return Failure{"not enough memory for the picture"};
    image->set_palette({rgb(0, 0, 0), rgb(255, 255, 255)});
    for (int y = 0; y < image->height(); ++y) {
      const std::uint8_t* in = bytes.data() + header->data_offset + stride * y;
      std::uint8_t* out = image->row(y);
      for (int x = 0; x < image->width(); ++x)
        out[x] = (in[x / 8] >> (7 - x % 8)) & 1;
    }
    return std::move(*image);
  }

  bool can_encode() const override { return true; }

  // Pixels at least half as bright as white become white.
  Result<Bytes> encode(const Image& image, const EncodeOptions&) const override {
    Bytes bytes;
    ByteWriter out(bytes);
    out.u8(0);
    out.u8(0);
    write_number(out, static_cast<std::uint32_t>(image.width()));
    write_number(out, static_cast<std::uint32_t>(image.height()));
    const std::size_t stride = (static_cast<std::size_t>(image.width()) + 7) / 8;
    for (int y = 0; y < image.height(); ++y) {
      const std::size_t row_start = out.size();
      out.fill(stride, 0);
      for (int x = 0; x < image.width(); ++x) {
        if (luma(image.pixel(x, y)) >= 128) {
          bytes[row_start + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
      }
    }
    return bytes;
  }
};

}  // namespace

const ImageCodec& wbmp_codec() {
  static const WbmpCodec codec;
  return codec;
}

}  // namespace pictavo::codecs
