// Netpbm pictures: binary grey and colour maps (P5, P6) of 8-bit samples decoded
// by stb_image; the plain-text variants (P1, P2, P3), binary bitmaps (P4) and
// 16-bit samples (which the packaged stb_image reads past its buffer) decoded
// here. Written as P5 when every pixel is grey, else P6.
#include <cctype>
#include <string>

#include "base/byte_reader.h"
#include "image/codecs/codecs.h"
#include "image/codecs/stb_adapter.h"
#include "image/image_limits.h"

namespace pictavo::codecs {
namespace {

struct PnmHeader {
  int kind = 0;  // the digit after 'P'
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::int64_t max_value = 1;
  std::size_t data_offset = 0;

  bool bitmap() const { return kind == 1 || kind == 4; }
  bool colour() const { return kind == 3 || kind == 6; }
  bool plain_text() const { return kind <= 3; }
};

// Reads the next decimal number, skipping blanks and "#" comments; -1 when there
// is none (or it is absurdly long).
std::int64_t read_number(ByteSpan bytes, std::size_t& offset) {
  while (offset < bytes.size()) {
    if (bytes[offset] == '#') {
      while (offset < bytes.size() && bytes[offset] != '\n' && bytes[offset] != '\r')
        ++offset;
    } else if (std::isspace(bytes[offset])) {
      ++offset;
    } else {
      break;
    }
  }
  std::int64_t value = -1;
  for (int digits = 0; offset < bytes.size() && std::isdigit(bytes[offset]); ++digits, ++offset) {
    if (digits == 9) return -1;
    value = (value < 0 ? 0 : value * 10) + (bytes[offset] - '0');
  }
  return value;
}

Result<PnmHeader> read_header(ByteSpan bytes) {
  if (bytes.size() < 3 || bytes[0] != 'P' || bytes[1] < '1' || bytes[1] > '6') {
    return Failure{"not a PNM file"};
  }
  PnmHeader header;
  header.kind = bytes[1] - '0';
  std::size_t offset = 2;
  header.width = read_number(bytes, offset);
  header.height = read_number(bytes, offset);
  if (!header.bitmap()) header.max_value = read_number(bytes, offset);
  if (header.width < 0 || header.height < 0 || header.max_value < 1 || header.max_value > 65535) {
    return Failure{"damaged PNM header"};
  }
  // Binary data starts after exactly one blank.
  header.data_offset = offset + 1;
  return header;
}

// Every kind but binary maps of 8-bit samples.
Result<Image> decode_samples(const PnmHeader& header, ByteSpan bytes) {
  std::optional<Image> image = Image::allocate(static_cast<int>(header.width),
                                               static_cast<int>(header.height), PixelLayout::kBgrx);
  if (!image) return Failure{"not enough memory for the picture"};
  const int samples = header.colour() ? 3 : 1;
  const std::size_t packed_stride = (static_cast<std::size_t>(header.width) + 7) / 8;
  std::size_t offset = header.plain_text() ? header.data_offset - 1 : header.data_offset;
  for (int y = 0; y < image->height(); ++y) {
    std::uint8_t* out = image->row(y);
    for (int x = 0; x < image->width(); ++x, out += 4) {
      int values[3] = {0, 0, 0};
      for (int s = 0; s < samples; ++s) {
        std::int64_t value = 0;
        if (header.kind == 4) {
          const std::size_t at = header.data_offset + packed_stride * y + x / 8;
          value = (bytes[at] >> (7 - x % 8)) & 1;
        } else if (header.kind == 1) {
          // Plain bitmaps may run their digits together.
          while (offset < bytes.size() && bytes[offset] != '0' && bytes[offset] != '1')
            ++offset;
          value = offset < bytes.size() ? bytes[offset++] - '0' : -1;
        } else if (header.plain_text()) {
          value = read_number(bytes, offset);
        } else {  // two bytes, the most significant first
          value = bytes[offset] << 8 | bytes[offset + 1];
          offset += 2;
        }
        if (value < 0 || value > header.max_value) return Failure{"damaged PNM data"};
        // In bitmaps 1 is black.
        values[s] = header.bitmap()
                        ? (value ? 0 : 255)
                        : static_cast<int>((value * 255 + header.max_value / 2) / header.max_value);
      }
      out[0] = static_cast<std::uint8_t>(values[samples == 3 ? 2 : 0]);
      out[1] = static_cast<std::uint8_t>(values[samples == 3 ? 1 : 0]);
      out[2] = static_cast<std::uint8_t>(values[0]);
      out[3] = 255;
    }
  }
  return std::move(*image);
}

bool all_grey(const Image& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const RgbQuad colour = image.pixel(x, y);
      if (colour.red != colour.green || colour.green != colour.blue) return false;
    }
  }
  return true;
}

class PnmCodec final : public ImageCodec {
 public:
  ImageFormat format() const override { return ImageFormat::kPnm; }

  Sniff sniff(ByteSpan head) const override {
    return head.size() >= 3 && head[0] == 'P' && head[1] >= '1' && head[1] <= '6' &&
                   std::isspace(head[2])
               ? Sniff::kYes
               : Sniff::kNo;
  }

  Result<ImageInfo> probe(ByteSpan bytes) const override {
    Result<PnmHeader> header = read_header(bytes);
    if (!header) return Failure{header.reason()};
    ImageInfo info;
    info.width = static_cast<int>(header->width);
    info.height = static_cast<int>(header->height);
    info.bits_per_pixel =
        header->bitmap() ? 1 : (header->colour() ? 3 : 1) * (header->max_value > 255 ? 16 : 8);
    return info;
  }

  Result<Image> decode(ByteSpan bytes, const DecodeOptions&) const override {
    Result<PnmHeader> header = read_header(bytes);
    if (!header) return Failure{header.reason()};
    const std::string refusal = image_size_refusal(header->width, header->height);
    if (!refusal.empty()) return Failure{refusal};
    const std::uint64_t row_bytes =
        header->kind == 4 ? (static_cast<std::uint64_t>(header->width) + 7) / 8
                          : static_cast<std::uint64_t>(header->width) * (header->colour() ? 3 : 1) *
                                (header->max_value > 255 ? 2 : 1);
    // Plain text needs at least a character a sample.
    const std::uint64_t data_bytes = header->plain_text()
                                         ? static_cast<std::uint64_t>(header->width) *
                                               header->height * (header->colour() ? 3 : 1)
                                         : row_bytes * static_cast<std::uint64_t>(header->height);
    if (header->data_offset - (header->plain_text() ? 1 : 0) + data_bytes > bytes.size()) {
      return Failure{"the PNM data ends early"};
    }
    if ((header->kind == 5 || header->kind == 6) && header->max_value <= 255) {
      return decode_with_stb(bytes, "PNM");
    }
    return decode_samples(*header, bytes);
  }

  bool can_encode() const override { return true; }

  Result<Bytes> encode(const Image& image, const EncodeOptions&) const override {
    const bool grey = all_grey(image);
    const std::string head = std::string(grey ? "P5\n" : "P6\n") + std::to_string(image.width()) +
                             " " + std::to_string(image.height()) + "\n255\n";
    Bytes bytes(head.begin(), head.end());
    bytes.reserve(head.size() + static_cast<std::size_t>(image.width()) * image.height() * 3);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const RgbQuad colour = image.pixel(x, y);
        bytes.push_back(colour.red);
        if (grey) continue;
        bytes.push_back(colour.green);
        bytes.push_back(colour.blue);
      }
    }
    return bytes;
  }
};

}  // namespace

const ImageCodec& pnm_codec() {
  static const PnmCodec codec;
  return codec;
}

}  // namespace pictavo::codecs
