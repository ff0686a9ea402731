// ZSoft PCX, written by hand (no packaged library reads it): 1-bit, 16-colour
// (4 bits or 4 bit planes), 256-colour and 24/32-bit pictures, run-length coded.
// Every size is checked against the header and the file before it is used.
#include <algorithm>
#include <string>
#include <vector>

#include "base/byte_reader.h"
#include "base/byte_writer.h"
#include "image/codecs/codecs.h"
#include "image/image_limits.h"

namespace pictavo::codecs {
namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kVgaPaletteSize = 769;  // 0x0C and 256 RGB triples

struct PcxHeader {
  int version = 0;
  int encoding = 0;
  int bits = 0;  // per pixel in each plane
  int width = 0;
  int height = 0;
  int x_dpi = 96;
  int y_dpi = 96;
  int planes = 0;
  int bytes_per_line = 0;  // per plane
  std::vector<RgbQuad> ega_palette;

  bool indexed() const { return planes == 1 || (bits == 1 && planes == 4); }
};

Result<PcxHeader> read_header(ByteSpan bytes) {
  ByteReader in(bytes);
  if (in.u8() != 0x0A) return Failure{"not a PCX file"};
  PcxHeader header;
  header.version = in.u8();
  header.encoding = in.u8();
  header.bits = in.u8();
  const int x_min = in.u16le(), y_min = in.u16le(), x_max = in.u16le(), y_max = in.u16le();
  header.x_dpi = in.u16le();
  header.y_dpi = in.u16le();
  for (int i = 0; i < 16; ++i) {
    const std::uint8_t r = in.u8(), g = in.u8(), b = in.u8();
    header.ega_palette.push_back(rgb(r, g, b));
  }
  in.skip(1);
  header.planes = in.u8();
  header.bytes_per_line = in.u16le();
  if (!in.ok() || bytes.size() < kHeaderSize) return Failure{"the PCX header is cut short"};
  header.width = x_max - x_min + 1;
  header.height = y_max - y_min + 1;
  const bool supported =
      (header.bits == 1 && (header.planes == 1 || header.planes == 4)) ||
      (header.bits == 4 && header.planes == 1) ||
      (header.bits == 8 && header.planes >= 1 && header.planes <= 4 && header.planes != 2);
  if (!supported) {
    return Failure{"unsupported PCX layout (" + std::to_string(header.bits) + " bits in " +
                   std::to_string(header.planes) + " planes)"};
  }
  if (header.encoding > 1) return Failure{"unknown PCX encoding"};
  return header;
}

std::string check_sizes(const PcxHeader& header, std::size_t file_size) {
  const std::string refusal = image_size_refusal(header.width, header.height);
  if (!refusal.empty()) return refusal;
  const std::int64_t needed = (static_cast<std::int64_t>(header.width) * header.bits + 7) / 8;
  if (header.bytes_per_line < needed || header.bytes_per_line > needed + 256) {
    return "the PCX line length does not fit the width";
  }
  // A run of two bytes yields at most 63: a file too short for the picture even
  // at that rate is refused before anything is allocated.
  const std::uint64_t total =
      static_cast<std::uint64_t>(header.bytes_per_line) * header.planes * header.height;
  const std::uint64_t data = file_size - kHeaderSize;
  if (header.encoding == 1 ? data * 63 / 2 + 63 < total : data < total) {
    return "the PCX data ends early";
  }
  return {};
}

// Runs may continue from one line into the next, so the decoder keeps its state.
class RunDecoder {
 public:
  RunDecoder(ByteSpan bytes, bool encoded) : in_(bytes, kHeaderSize), encoded_(encoded) {}

  bool read(std::uint8_t* out, std::size_t count) {
    std::size_t filled = 0;
    while (filled < count) {
      if (left_ == 0 && !next_run()) return false;
      const std::size_t taken = std::min(left_, count - filled);
      std::fill_n(out + filled, taken, value_);
      filled += taken;
      left_ -= taken;
    }
    return true;
  }

 private:
  // A byte with both top bits set counts a run (possibly of none) of the next byte.
  bool next_run() {
    const std::uint8_t byte = in_.u8();
    if (encoded_ && (byte & 0xC0) == 0xC0) {
      left_ = byte & 0x3F;
      value_ = in_.u8();
    } else {
      left_ = 1;
      value_ = byte;
    }
    return in_.ok();
  }

  ByteReader in_;
  bool encoded_;
  std::size_t left_ = 0;
  std::uint8_t value_ = 0;
};

// 256-colour files of version 5 end in their palette; older ones are grey.
Result<std::vector<RgbQuad>> palette_for(const PcxHeader& header, ByteSpan bytes) {
  if (header.bits == 1 && header.planes == 1) {
    return std::vector<RgbQuad>{rgb(0, 0, 0), rgb(255, 255, 255)};
  }
  if (header.bits * header.planes == 4) return header.ega_palette;
  std::vector<RgbQuad> palette;
  const bool has_palette = bytes.size() >= kHeaderSize + kVgaPaletteSize &&
                           bytes[bytes.size() - kVgaPaletteSize] == 0x0C;
  if (has_palette) {
    ByteReader in(bytes, bytes.size() - kVgaPaletteSize + 1);
    for (int i = 0; i < 256; ++i) {
      const std::uint8_t r = in.u8(), g = in.u8(), b = in.u8();
      palette.push_back(rgb(r, g, b));
    }
  } else if (header.version >= 5) {
    return Failure{"the PCX palette is missing"};
  } else {
    for (int i = 0; i < 256; ++i)
      palette.push_back(rgb(i, i, i));
  }
  return palette;
}

void unpack_line(const PcxHeader& header, const std::vector<std::uint8_t>& line,
                 std::uint8_t* out) {
  const std::size_t plane_size = static_cast<std::size_t>(header.bytes_per_line);
  for (int x = 0; x < header.width; ++x) {
    if (header.indexed()) {
      int index = 0;
      for (int p = 0; p < header.planes; ++p) {
        const std::uint8_t* plane = line.data() + plane_size * p;
        const int bit_offset = x * header.bits;
        const int value = (plane[bit_offset / 8] >> (8 - header.bits - bit_offset % 8)) &
                          ((1 << header.bits) - 1);
        index |= value << p;
      }
      out[x] = static_cast<std::uint8_t>(index);
    } else {
      out[4 * x + 2] = line[x];
      out[4 * x + 1] = line[plane_size + x];
      out[4 * x] = line[2 * plane_size + x];
      out[4 * x + 3] = header.planes == 4 ? line[3 * plane_size + x] : 255;
    }
  }
}

// One plane of one line, run-length coded without crossing the line's end.
void encode_runs(ByteWriter& out, const std::uint8_t* data, std::size_t count) {
  for (std::size_t i = 0; i < count;) {
    std::size_t run = 1;
    while (i + run < count && run < 63 && data[i + run] == data[i])
      ++run;
    if (run > 1 || (data[i] & 0xC0) == 0xC0) out.u8(0xC0 | static_cast<unsigned>(run));
    out.u8(data[i]);
    i += run;
  }
}

class PcxCodec final : public ImageCodec {
 public:
  ImageFormat format() const override { return ImageFormat::kPcx; }

  Sniff sniff(ByteSpan head) const override {
    return head.size() >= kHeaderSize && head[0] == 0x0A && head[1] <= 5 && head[2] <= 1 &&
                   (head[3] == 1 || head[3] == 4 || head[3] == 8)
               ? Sniff::kYes
               : Sniff::kNo;
  }

  Result<ImageInfo> probe(ByteSpan bytes) const override {
    Result<PcxHeader> header = read_header(bytes);
    if (!header) return Failure{header.reason()};
    ImageInfo info;
    info.width = header->width;
    info.height = header->height;
    info.bits_per_pixel = header->bits * header->planes;
    info.has_alpha = header->planes == 4 && header->bits == 8;
    return info;
  }

  Result<Image> decode(ByteSpan bytes, const DecodeOptions&) const override {
    Result<PcxHeader> header = read_header(bytes);
    if (!header) return Failure{header.reason()};
    const std::string problem = check_sizes(*header, bytes.size());
    if (!problem.empty()) return Failure{problem};
    const PixelLayout layout = header->indexed()     ? PixelLayout::kIndexed
                               : header->planes == 4 ? PixelLayout::kBgra
                                                     : PixelLayout::kBgrx;
    std::optional<Image> image = Image::allocate(header->width, header->height, layout);
    if (!image) return Failure{"not enough memory for the picture"};
    std::vector<std::uint8_t> line(static_cast<std::size_t>(header->bytes_per_line) *
                                   header->planes);
    RunDecoder runs(bytes, header->encoding == 1);
    for (int y = 0; y < header->height; ++y) {
      if (!runs.read(line.data(), line.size())) return Failure{"the PCX data ends early"};
      unpack_line(*header, line, image->row(y));
    }
    if (header->indexed()) {
      Result<std::vector<RgbQuad>> palette = palette_for(*header, bytes);
      if (!palette) return Failure{palette.reason()};
      image->set_palette(std::move(*palette));
    }
    image->set_resolution(header->x_dpi, header->y_dpi);
    return std::move(*image);
  }

  bool can_encode() const override { return true; }

  // 256 colours with the VGA palette for indexed pictures, else 24-bit in three
  // planes.
  Result<Bytes> encode(const Image& image, const EncodeOptions&) const override {
    const bool indexed = image.layout() == PixelLayout::kIndexed;
    const int planes = indexed ? 1 : 3;
    const int bytes_per_line = image.width() + (image.width() & 1);
    Bytes bytes;
    ByteWriter out(bytes);
    out.u8(0x0A);
    out.u8(5);
    out.u8(1);
    out.u8(8);
    out.u16le(0);
    out.u16le(0);
    out.u16le(static_cast<unsigned>(image.width() - 1));
    out.u16le(static_cast<unsigned>(image.height() - 1));
    out.u16le(static_cast<unsigned>(image.x_dpi()));
    out.u16le(static_cast<unsigned>(image.y_dpi()));
    out.fill(48 + 1, 0);
    out.u8(static_cast<unsigned>(planes));
    out.u16le(static_cast<unsigned>(bytes_per_line));
    out.u16le(1);
    out.fill(kHeaderSize - out.size(), 0);
    std::vector<std::uint8_t> plane(static_cast<std::size_t>(bytes_per_line), 0);
    for (int y = 0; y < image.height(); ++y) {
      for (int p = 0; p < planes; ++p) {
        for (int x = 0; x < image.width(); ++x) {
          plane[x] = indexed ? image.row(y)[x] : image.row(y)[4 * x + 2 - p];
        }
        encode_runs(out, plane.data(), plane.size());
      }
    }
    if (indexed) {
      out.u8(0x0C);
      for (int i = 0; i < 256; ++i) {
        const RgbQuad colour = i < static_cast<int>(image.palette().size())
                                   ? image.palette()[static_cast<std::size_t>(i)]
                                   : rgb(0, 0, 0);
        out.u8(colour.red);
        out.u8(colour.green);
        out.u8(colour.blue);
      }
    }
    return bytes;
  }
};

}  // namespace

const ImageCodec& pcx_codec() {
  static const PcxCodec codec;
  return codec;
}

}  // namespace pictavo::codecs
