// Windows bitmaps: headers checked here, pixels decoded by stb_image and written
// by stb_image_write (24-bit, or 32-bit with alpha). stb_image does not read
// run-length coded bitmaps (which ImageMagick and Paint write for 4 and 8-bit
// pictures): those are expanded here into a plain 8-bit bitmap first.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "base/byte_reader.h"
#include "base/byte_writer.h"
#include "image/codecs/codecs.h"
#include "image/codecs/stb_adapter.h"
#include "image/image_limits.h"

namespace pictavo::codecs {
namespace {

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRunLength8 = 1;
constexpr std::uint32_t kRunLength4 = 2;
constexpr std::uint32_t kBitfields = 3;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kAlphaBitfields = 6;

struct BmpHeader {
  std::uint32_t data_offset = 0;
  std::uint32_t header_size = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;  // negative: rows top-down
  int bits = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t colours_used = 0;
  int x_dpi = 96;
  int y_dpi = 96;

  bool run_length() const { return compression == kRunLength8 || compression == kRunLength4; }
};

int metres_to_dpi(std::uint32_t pixels_per_metre) {
  if (pixels_per_metre == 0 || pixels_per_metre > 2'600'000) return 96;
  return static_cast<int>(std::lround(pixels_per_metre * 0.0254));
}

Result<BmpHeader> read_header(ByteSpan bytes) {
  ByteReader in(bytes);
  if (in.u8() != 'B' || in.u8() != 'M') return Failure{"not a BMP file"};
  BmpHeader header;
  in.skip(8);
  header.data_offset = in.u32le();
  header.header_size = in.u32le();
  if (header.header_size == 12) {
    header.width = in.u16le();
    header.height = in.u16le();
    in.skip(2);
    header.bits = in.u16le();
  } else if (header.header_size >= 40 && header.header_size <= 124) {
    header.width = static_cast<std::int32_t>(in.u32le());
    header.height = static_cast<std::int32_t>(in.u32le());
    in.skip(2);
    header.bits = in.u16le();
    header.compression = in.u32le();
    in.skip(4);
    header.x_dpi = metres_to_dpi(in.u32le());
    header.y_dpi = metres_to_dpi(in.u32le());
    header.colours_used = in.u32le();
  } else {
    return Failure{"unsupported BMP header size " + std::to_string(header.header_size)};
  }
  if (!in.ok()) return Failure{"the BMP header is cut short"};
  return header;
}

// Uncompressed pixels must all be in the file: stb_image would make up the rest.
std::string check_header(const BmpHeader& header, std::size_t file_size) {
  const std::string refusal = image_size_refusal(header.width, std::llabs(header.height));
  if (!refusal.empty()) return refusal;
  if (header.run_length()) {
    const bool fits =
        header.bits == (header.compression == kRunLength8 ? 8 : 4) && header.height > 0;
    return fits ? "" : "damaged run-length coded BMP header";
  }
  if (header.compression != kRgb && header.compression != kBitfields &&
      header.compression != kAlphaBitfields) {
    return "compressed BMP pictures (JPEG or PNG inside) are not supported";
  }
  if (header.bits != 1 && header.bits != 4 && header.bits != 8 && header.bits != 16 &&
      header.bits != 24 && header.bits != 32) {
    return "unsupported BMP depth of " + std::to_string(header.bits) + " bits";
  }
  const std::uint64_t stride =
      (static_cast<std::uint64_t>(header.width) * header.bits + 31) / 32 * 4;
  const std::uint64_t end =
      header.data_offset + stride * static_cast<std::uint64_t>(std::llabs(header.height));
  if (end > file_size) return "the BMP data ends early";
  return {};
}

// Expands run-length coded pixels (rows bottom-up; pixels never set stay index 0)
// into a plain 8-bit bitmap with the same palette.
class RunLengthExpander {
 public:
  RunLengthExpander(const BmpHeader& header, ByteSpan bytes)
      : header_(header),
        width_(static_cast<int>(header.width)),
        height_(static_cast<int>(header.height)),
        stride_((static_cast<std::size_t>(width_) + 3) & ~std::size_t{3}),
        in_(bytes, header.data_offset),
        bytes_(bytes) {}

  Result<Bytes> expand() {
    const std::size_t palette_at = kFileHeaderSize + header_.header_size;
    const std::size_t palette_bytes = std::min<std::size_t>(
        header_.data_offset > palette_at ? header_.data_offset - palette_at : 0, 256 * 4);
    if (palette_at + palette_bytes > bytes_.size()) return Failure{"the BMP palette ends early"};
    Bytes file;
    ByteWriter out(file);
    const std::size_t pixels_at = kFileHeaderSize + 40 + palette_bytes;
    out.u8('B');
    out.u8('M');
    out.u32le(static_cast<std::uint32_t>(pixels_at + stride_ * height_));
    out.u32le(0);
    out.u32le(static_cast<std::uint32_t>(pixels_at));
    out.u32le(40);
    out.u32le(static_cast<std::uint32_t>(width_));
    out.u32le(static_cast<std::uint32_t>(height_));
    out.u16le(1);
    out.u16le(8);
    out.fill(12, 0);  // uncompressed, no image size, no resolution
    out.fill(4, 0);
    out.u32le(static_cast<std::uint32_t>(palette_bytes / 4));
    out.u32le(0);
    out.append(bytes_.subspan(palette_at, palette_bytes));
    out.fill(stride_ * height_, 0);
    pixels_ = file.data() + pixels_at;
    if (!decode_runs()) return Failure{"the BMP data ends early"};
    return file;
  }

 private:
  void put(int x, int y, int index) {
    if (x < width_ && y < height_) pixels_[stride_ * y + x] = static_cast<std::uint8_t>(index);
  }

  int nibble(std::uint8_t byte, int i) const { return i % 2 ? byte & 0x0F : byte >> 4; }

  bool decode_runs() {
    const bool four = header_.compression == kRunLength4;
    int x = 0;
    int y = 0;
    while (y < height_) {
      const std::uint8_t count = in_.u8();
      const std::uint8_t value = in_.u8();
      if (!in_.ok()) return false;
      if (count > 0) {
        for (int i = 0; i < count; ++i)
          put(x++, y, four ? nibble(value, i) : value);
      } else if (value == 0) {  // end of line
        x = 0;
        ++y;
      } else if (value == 1) {  // end of picture
        return true;
      } else if (value == 2) {  // move right and up
        x += in_.u8();
        y += in_.u8();
      } else {  // `value` pixels as they are, padded to 16 bits
        const std::size_t size = four ? (value + 1u) / 2 : value;
        const ByteSpan literal = in_.take(size);
        if (size % 2) in_.skip(1);
        if (literal.empty()) return false;
        for (int i = 0; i < value; ++i)
          put(x++, y, four ? nibble(literal[i / 2], i) : literal[i]);
      }
    }
    return true;
  }

  const BmpHeader& header_;
  int width_;
  int height_;
  std::size_t stride_;
  ByteReader in_;
  ByteSpan bytes_;
  std::uint8_t* pixels_ = nullptr;
};

class BmpCodec final : public ImageCodec {
 public:
  ImageFormat format() const override { return ImageFormat::kBmp; }

  Sniff sniff(ByteSpan head) const override {
    return head.size() >= 18 && head[0] == 'B' && head[1] == 'M' ? Sniff::kYes : Sniff::kNo;
  }

  Result<ImageInfo> probe(ByteSpan bytes) const override {
    Result<BmpHeader> header = read_header(bytes);
    if (!header) return Failure{header.reason()};
    ImageInfo info;
    info.width = static_cast<int>(std::min<std::int64_t>(std::llabs(header->width), 1 << 30));
    info.height = static_cast<int>(std::min<std::int64_t>(std::llabs(header->height), 1 << 30));
    info.bits_per_pixel = header->bits;
    info.has_alpha = header->bits == 32;
    return info;
  }

  Result<Image> decode(ByteSpan bytes, const DecodeOptions&) const override {
    Result<BmpHeader> header = read_header(bytes);
    if (!header) return Failure{header.reason()};
    const std::string problem = check_header(*header, bytes.size());
    if (!problem.empty()) return Failure{problem};
    Result<Image> image = Failure{""};
    if (header->run_length()) {
      Result<Bytes> expanded = RunLengthExpander(*header, bytes).expand();
      image = expanded ? decode_with_stb(*expanded, "BMP") : Failure{expanded.reason()};
    } else {
      image = decode_with_stb(bytes, "BMP");
    }
    if (image) image->set_resolution(header->x_dpi, header->y_dpi);
    return image;
  }

  bool can_encode() const override { return true; }
  Result<Bytes> encode(const Image& image, const EncodeOptions&) const override {
    return encode_with_stb(image, StbWriter::kBmp);
  }
};

}  // namespace

const ImageCodec& bmp_codec() {
  static const BmpCodec codec;
  return codec;
}

}  // namespace pictavo::codecs
