// PGX, the one-component test format of JPEG 2000, written by hand: a text line
// "PG ML +8 width height" (ML big-endian, LM little-endian, "-" for signed
// samples), then 1, 2 or 4 bytes a sample. Grey pictures; written as 8 bits.
#include <algorithm>
#include <cctype>
#include <string>

#include "base/byte_reader.h"
#include "image/codecs/codecs.h"
#include "image/image_limits.h"

namespace pictavo::codecs {
namespace {

struct PgxHeader {
  bool big_endian = true;
  bool is_signed = false;
  int depth = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::size_t data_offset = 0;

  int sample_bytes() const { return depth <= 8 ? 1 : depth <= 16 ? 2 : 4; }
};

class HeaderScanner {
 public:
  explicit HeaderScanner(ByteSpan bytes) : bytes_(bytes) {}

  void skip_blanks() {
    while (offset_ < bytes_.size() && (bytes_[offset_] == ' ' || bytes_[offset_] == '\t'))
      ++offset_;
  }
  bool literal(const char* text) {
    for (; *text; ++text, ++offset_) {
      if (offset_ >= bytes_.size() || bytes_[offset_] != static_cast<std::uint8_t>(*text))
        return false;
    }
    return true;
  }
  char sign() {
    skip_blanks();
    if (offset_ < bytes_.size() && (bytes_[offset_] == '+' || bytes_[offset_] == '-')) {
      return static_cast<char>(bytes_[offset_++]);
    }
    return '+';
  }
  std::int64_t number() {
    skip_blanks();
    std::int64_t value = -1;
    for (int digits = 0; offset_ < bytes_.size() && std::isdigit(bytes_[offset_]); ++digits) {
      if (digits == 9) return -1;
      value = (value < 0 ? 0 : value * 10) + (bytes_[offset_++] - '0');
    }
    return value;
  }
  // The header ends with one line break (or blank).
  bool end_of_line() {
    if (offset_ < bytes_.size() && bytes_[offset_] == '\r') ++offset_;
    if (offset_ >= bytes_.size() || !std::isspace(bytes_[offset_])) return false;
    ++offset_;
    return true;
  }
  std::size_t offset() const { return offset_; }

 private:
  ByteSpan bytes_;
  std::size_t offset_ = 0;
};

std::optional<PgxHeader> read_header(ByteSpan bytes) {
  HeaderScanner scan(bytes);
  PgxHeader header;
  if (!scan.literal("PG")) return std::nullopt;
  scan.skip_blanks();
  if (scan.literal("ML")) {
    header.big_endian = true;
  } else {
    HeaderScanner again(bytes);
    again.literal("PG");
    again.skip_blanks();
    if (!again.literal("LM")) return std::nullopt;
    scan = again;
    header.big_endian = false;
  }
  header.is_signed = scan.sign() == '-';
  header.depth = static_cast<int>(scan.number());
  header.width = scan.number();
  header.height = scan.number();
  if (header.depth < 1 || header.depth > 31 || header.width < 0 || header.height < 0 ||
      !scan.end_of_line()) {
    return std::nullopt;
  }
  header.data_offset = scan.offset();
  return header;
}

std::int64_t read_sample(ByteReader& in, const PgxHeader& header) {
  std::uint32_t raw = 0;
  const int count = header.sample_bytes();
  for (int i = 0; i < count; ++i) {
    const std::uint32_t byte = in.u8();
    raw = header.big_endian ? raw << 8 | byte : raw | byte << (8 * i);
  }
  const std::uint32_t mask = header.depth == 32 ? 0xFFFFFFFFu : (1u << header.depth) - 1;
  std::int64_t value = raw & mask;
  if (header.is_signed) {
    if (value >= (std::int64_t{1} << (header.depth - 1))) value -= std::int64_t{1} << header.depth;
    value += std::int64_t{1} << (header.depth - 1);
  }
  return value;
}

class PgxCodec final : public ImageCodec {
 public:
  ImageFormat format() const override { return ImageFormat::kPgx; }

  Sniff sniff(ByteSpan head) const override { return read_header(head) ? Sniff::kYes : Sniff::kNo; }

  Result<ImageInfo> probe(ByteSpan bytes) const override {
    const std::optional<PgxHeader> header = read_header(bytes);
    if (!header) return Failure{"not a PGX file"};
    ImageInfo info;
    info.width = static_cast<int>(header->width);
    info.height = static_cast<int>(header->height);
    info.bits_per_pixel = header->depth;
    return info;
  }

  Result<Image> decode(ByteSpan bytes, const DecodeOptions&) const override {
    const std::optional<PgxHeader> header = read_header(bytes);
    if (!header) return Failure{"not a PGX file"};
    const std::string refusal = image_size_refusal(header->width, header->height);
    if (!refusal.empty()) return Failure{refusal};
    const std::uint64_t data_size =
        static_cast<std::uint64_t>(header->width) * header->height * header->sample_bytes();
    if (header->data_offset + data_size > bytes.size()) return Failure{"the PGX data ends early"};
    std::optional<Image> image = Image::allocate(
        static_cast<int>(header->width), static_cast<int>(header->height), PixelLayout::kBgrx);
    if (!image) return Failure{"not enough memory for the picture"};
    const std::int64_t maximum = (std::int64_t{1} << header->depth) - 1;
    ByteReader in(bytes, header->data_offset);
    for (int y = 0; y < image->height(); ++y) {
      std::uint8_t* out = image->row(y);
      for (int x = 0; x < image->width(); ++x, out += 4) {
        const std::int64_t value = read_sample(in, *header);
        const auto level = static_cast<std::uint8_t>((value * 255 + maximum / 2) / maximum);
        out[0] = out[1] = out[2] = level;
        out[3] = 255;
      }
    }
    return std::move(*image);
  }

  bool can_encode() const override { return true; }

  // One 8-bit grey component: colours are reduced to their grey level.
  Result<Bytes> encode(const Image& image, const EncodeOptions&) const override {
    const std::string head =
        "PG ML +8 " + std::to_string(image.width()) + " " + std::to_string(image.height()) + "\n";
    Bytes bytes(head.begin(), head.end());
    bytes.reserve(bytes.size() + static_cast<std::size_t>(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        bytes.push_back(static_cast<std::uint8_t>(luma(image.pixel(x, y))));
      }
    }
    return bytes;
  }
};

}  // namespace

const ImageCodec& pgx_codec() {
  static const PgxCodec codec;
  return codec;
}

}  // namespace pictavo::codecs
