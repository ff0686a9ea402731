// Sun raster files, written by hand: 1, 8, 24 and 32-bit pictures, with or without
// a colour map, stored plainly or run-length coded. Sizes and offsets are checked
// against the file before anything is read or allocated.
#include <algorithm>
#include <string>
#include <vector>

#include "base/byte_reader.h"
#include "base/byte_writer.h"
#include "image/codecs/codecs.h"
#include "image/image_limits.h"

namespace pictavo::codecs {
namespace {

constexpr std::uint32_t kMagic = 0x59A66A95;
constexpr std::size_t kHeaderSize = 32;
constexpr std::uint32_t kTypeRunLength = 2;
constexpr std::uint32_t kTypeRgb = 3;  // colour bytes in R G B order instead of B G R
constexpr std::uint32_t kMapRgb = 1;
constexpr std::uint8_t kEscape = 0x80;

struct RasHeader {
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint32_t depth = 0;
  std::uint32_t type = 0;
  std::uint32_t map_type = 0;
  std::uint32_t map_length = 0;

  std::size_t stride() const {  // rows are padded to 16 bits
    return static_cast<std::size_t>((width * depth + 15) / 16 * 2);
  }
};

Result<RasHeader> read_header(ByteSpan bytes) {
  ByteReader in(bytes);
  if (in.u32be() != kMagic) return Failure{"not a Sun raster file"};
  RasHeader header;
  header.width = in.u32be();
  header.height = in.u32be();
  header.depth = in.u32be();
  in.skip(4);
  header.type = in.u32be();
  header.map_type = in.u32be();
  header.map_length = in.u32be();
  if (!in.ok()) return Failure{"the Sun raster header is cut short"};
  if (header.depth != 1 && header.depth != 8 && header.depth != 24 && header.depth != 32) {
    return Failure{"unsupported Sun raster depth of " + std::to_string(header.depth) + " bits"};
  }
  if (header.type > kTypeRgb || header.map_type > kMapRgb)
    return Failure{"unknown Sun raster type"};
  return header;
}

// Run-length coding: 0x80 0 is a single 0x80, 0x80 n v is n + 1 copies of v, any
// other byte stands for itself.
bool unpack_runs(ByteReader& in, std::vector<std::uint8_t>& out) {
  std::size_t filled = 0;
  while (filled < out.size()) {
    const std::uint8_t byte = in.u8();
    std::size_t count = 1;
    std::uint8_t value = byte;
    if (byte == kEscape) {
      count = in.u8() + 1u;
      value = count == 1 ? kEscape : in.u8();
    }
    if (!in.ok()) return false;
    count = std::min(count, out.size() - filled);
    std::fill_n(out.begin() + static_cast<std::ptrdiff_t>(filled), count, value);
    filled += count;
  }
  return true;
}

std::vector<RgbQuad> read_colour_map(const RasHeader& header, ByteSpan bytes) {
  std::vector<RgbQuad> palette;
  if (header.map_type == kMapRgb && header.map_length >= 3) {
    const std::size_t entries = std::min<std::size_t>(header.map_length / 3, 256);
    const std::uint8_t* map = bytes.data() + kHeaderSize;
    for (std::size_t i = 0; i < entries; ++i) {
      palette.push_back(
          rgb(map[i], map[header.map_length / 3 + i], map[2 * (header.map_length / 3) + i]));
    }
  } else if (header.depth == 1) {
    palette = {rgb(255, 255, 255), rgb(0, 0, 0)};  // 1 is black
  } else {
    for (int i = 0; i < 256; ++i)
      palette.push_back(rgb(i, i, i));
  }
  return palette;
}

void unpack_row(const RasHeader& header, const std::uint8_t* in, Image& image, int y) {
  std::uint8_t* out = image.row(y);
  const bool rgb_order = header.type == kTypeRgb;
  for (int x = 0; x < image.width(); ++x) {
    if (header.depth == 1) {
      out[x] = (in[x / 8] >> (7 - x % 8)) & 1;
    } else if (header.depth == 8) {
      out[x] = in[x];
    } else {
      const std::uint8_t* p =
          in + static_cast<std::size_t>(x) * (header.depth / 8) + (header.depth == 32);
      out[4 * x] = rgb_order ? p[2] : p[0];
      out[4 * x + 1] = p[1];
      out[4 * x + 2] = rgb_order ? p[0] : p[2];
      out[4 * x + 3] = 255;
    }
  }
}

class RasCodec final : public ImageCodec {
 public:
  ImageFormat format() const override { return ImageFormat::kRas; }

  Sniff sniff(ByteSpan head) const override {
    ByteReader in(head);
    return in.u32be() == kMagic && in.ok() ? Sniff::kYes : Sniff::kNo;
  }

  Result<ImageInfo> probe(ByteSpan bytes) const override {
    Result<RasHeader> header = read_header(bytes);
    if (!header) return Failure{header.reason()};
    ImageInfo info;
    info.width = static_cast<int>(std::min<std::int64_t>(header->width, 1 << 30));
    info.height = static_cast<int>(std::min<std::int64_t>(header->height, 1 << 30));
    info.bits_per_pixel = static_cast<int>(header->depth);
    return info;
  }

  Result<Image> decode(ByteSpan bytes, const DecodeOptions&) const override {
    Result<RasHeader> header = read_header(bytes);
    if (!header) return Failure{header.reason()};
    const std::string refusal = image_size_refusal(header->width, header->height);
    if (!refusal.empty()) return Failure{refusal};
    const std::size_t data_offset = kHeaderSize + header->map_length;
    if (header->map_length > bytes.size() - kHeaderSize)
      return Failure{"the Sun raster colour map ends early"};
    const std::size_t data_size = header->stride() * static_cast<std::size_t>(header->height);
    const std::size_t available = bytes.size() - data_offset;
    // Three coded bytes give at most 256: refuse files too short even at that rate.
    if (header->type == kTypeRunLength ? available / 3 * 256 + 256 < data_size
                                       : available < data_size) {
      return Failure{"the Sun raster data ends early"};
    }
    std::vector<std::uint8_t> unpacked;
    const std::uint8_t* data = bytes.data() + data_offset;
    if (header->type == kTypeRunLength) {
      unpacked.resize(data_size);
      ByteReader in(bytes, data_offset);
      if (!unpack_runs(in, unpacked)) return Failure{"the Sun raster data ends early"};
      data = unpacked.data();
    }
    const bool indexed = header->depth <= 8;
    std::optional<Image> image =
        Image::allocate(static_cast<int>(header->width), static_cast<int>(header->height),
                        indexed ? PixelLayout::kIndexed : PixelLayout::kBgrx);
    if (!image) return Failure{"not enough memory for the picture"};
    for (int y = 0; y < image->height(); ++y)
      unpack_row(*header, data + header->stride() * y, *image, y);
    if (indexed) {
      std::vector<RgbQuad> palette = read_colour_map(*header, bytes);
      // Indices beyond a short colour map fall back to its first entry.
      for (int y = 0; y < image->height(); ++y) {
        for (int x = 0; x < image->width(); ++x) {
          if (image->row(y)[x] >= palette.size()) image->row(y)[x] = 0;
        }
      }
      image->set_palette(std::move(palette));
    }
    return std::move(*image);
  }

  bool can_encode() const override { return true; }

  // 8 bits with a colour map for indexed pictures, else 24-bit B G R.
  Result<Bytes> encode(const Image& image, const EncodeOptions&) const override {
    const bool indexed = image.layout() == PixelLayout::kIndexed;
    RasHeader header;
    header.width = image.width();
    header.height = image.height();
    header.depth = indexed ? 8 : 24;
    const std::size_t entries = indexed ? std::max<std::size_t>(image.palette().size(), 1) : 0;
    Bytes bytes;
    ByteWriter out(bytes);
    out.u32be(kMagic);
    out.u32be(static_cast<std::uint32_t>(image.width()));
    out.u32be(static_cast<std::uint32_t>(image.height()));
    out.u32be(header.depth);
    out.u32be(static_cast<std::uint32_t>(header.stride() * image.height()));
    out.u32be(1);  // standard
    out.u32be(indexed ? kMapRgb : 0);
    out.u32be(static_cast<std::uint32_t>(entries * 3));
    for (int channel = 2; indexed && channel >= 0; --channel) {
      for (std::size_t i = 0; i < entries; ++i) {
        const RgbQuad colour = i < image.palette().size() ? image.palette()[i] : rgb(0, 0, 0);
        out.u8(channel == 2 ? colour.red : channel == 1 ? colour.green : colour.blue);
      }
    }
    for (int y = 0; y < image.height(); ++y) {
      const std::size_t row_start = out.size();
      for (int x = 0; x < image.width(); ++x) {
        const std::uint8_t* p = image.row(y) + (indexed ? x : 4 * x);
        if (indexed) {
          out.u8(p[0]);
        } else {
          out.append({p, 3});
        }
      }
      out.fill(header.stride() - (out.size() - row_start), 0);
    }
    return bytes;
  }
};

}  // namespace

const ImageCodec& ras_codec() {
  static const RasCodec codec;
  return codec;
}

}  // namespace pictavo::codecs
