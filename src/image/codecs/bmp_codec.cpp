// Windows and OS/2 bitmaps, decoded here: stb_image reads only some of the layouts
// in use (not top-down rows everywhere, run-length coding, every colour mask or the
// later headers). Palette pictures stay indexed. Written by stb_image_write
// (24-bit, or 32-bit with alpha).
#include <algorithm>
#include <bit>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/byte_reader.h"
#include "image/area_reducer.h"
#include "image/codecs/bmp_header.h"
#include "image/codecs/codecs.h"
#include "image/codecs/stb_adapter.h"

namespace pictavo::codecs {
namespace {

// One channel of 16 or 32-bit pixels, scaled from its own width to 8 bits.
class ChannelMask {
 public:
  explicit ChannelMask(std::uint32_t mask)
      : mask_(mask),
        shift_(mask ? std::countr_zero(mask) : 0),
        maximum_((std::uint64_t{1} << std::bit_width(mask >> shift_)) - 1) {}

  std::uint8_t scale(std::uint32_t pixel) const {
    if (maximum_ == 0) return 0;
    const std::uint64_t value = (pixel & mask_) >> shift_;
    return static_cast<std::uint8_t>((value * 255 + maximum_ / 2) / maximum_);
  }

 private:
  std::uint32_t mask_;
  int shift_;
  std::uint64_t maximum_;
};

std::vector<RgbQuad> read_palette(const BmpHeader& header, ByteSpan bytes) {
  std::vector<RgbQuad> palette(std::size_t{1} << header.bits, rgb(0, 0, 0));
  const std::size_t count = std::min<std::uint64_t>(header.palette_count(), palette.size());
  ByteReader in(bytes, header.palette_at);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t blue = in.u8(), green = in.u8(), red = in.u8();
    if (header.palette_entry_size == 4) in.skip(1);
    palette[i] = rgb(red, green, blue);
  }
  return palette;
}

void unpack_indices(const std::uint8_t* in, std::uint8_t* out, int width, int bits) {
  const int per_byte = 8 / bits;
  const int mask = (1 << bits) - 1;
  for (int x = 0; x < width; ++x) {
    const int shift = 8 - bits * (x % per_byte + 1);
    out[x] = static_cast<std::uint8_t>((in[x / per_byte] >> shift) & mask);
  }
}

void unpack_bgr(const std::uint8_t* in, std::uint8_t* out, int width) {
  for (int x = 0; x < width; ++x, in += 3, out += 4) {
    std::memcpy(out, in, 3);
    out[3] = 255;
  }
}

// 16 and 32-bit pixels through their masks; `alpha_seen` collects the alpha bits
// found (OR) and `opaque` whether all of them were 255 (AND).
struct MaskedRows {
  ChannelMask red, green, blue, alpha;
  bool has_alpha;
  int bits;
  std::uint8_t alpha_seen = 0;
  std::uint8_t opaque = 255;

  explicit MaskedRows(const BmpHeader& header)
      : red(header.masks[0]),
        green(header.masks[1]),
        blue(header.masks[2]),
        alpha(header.masks[3]),
        has_alpha(header.has_alpha()),
        bits(header.bits) {}

  void unpack(const std::uint8_t* in, std::uint8_t* out, int width) {
    const int size = bits / 8;
    for (int x = 0; x < width; ++x, in += size, out += 4) {
      std::uint32_t pixel = 0;
      for (int i = size - 1; i >= 0; --i)
        pixel = pixel << 8 | in[i];
      out[0] = blue.scale(pixel);
      out[1] = green.scale(pixel);
      out[2] = red.scale(pixel);
      out[3] = has_alpha ? alpha.scale(pixel) : 255;
      alpha_seen |= out[3];
      opaque &= out[3];
    }
  }
};

PixelLayout layout_of(const BmpHeader& header) {
  if (header.indexed()) return PixelLayout::kIndexed;
  return header.has_alpha() ? PixelLayout::kBgra : PixelLayout::kBgrx;
}

Result<Image> allocate_for(const BmpHeader& header, ByteSpan bytes) {
  std::optional<Image> image = Image::allocate(static_cast<int>(header.width),
                                               static_cast<int>(header.height), layout_of(header));
  if (!image) return Failure{"not enough memory for the picture"};
  if (header.indexed()) image->set_palette(read_palette(header, bytes));
  image->set_resolution(header.x_dpi, header.y_dpi);
  return std::move(*image);
}

void decode_plain(const BmpHeader& header, ByteSpan bytes, Image& image) {
  MaskedRows masked(header);
  for (int row = 0; row < image.height(); ++row) {
    const std::uint8_t* in = bytes.data() + header.data_offset + header.stride() * row;
    std::uint8_t* out = image.row(header.image_row(row));
    if (header.indexed()) {
      unpack_indices(in, out, image.width(), header.bits);
    } else if (header.bits == 24) {
      unpack_bgr(in, out, image.width());
    } else {
      masked.unpack(in, out, image.width());
    }
  }
  // Alpha that is 0 everywhere is a byte nobody filled in, not a transparent picture.
  if (image.has_alpha() && (masked.alpha_seen == 0 || masked.opaque == 255)) {
    image.convert_to(PixelLayout::kBgrx);
  }
}

// Run-length coded pixels: runs of one index, literal indices, jumps, and the ends
// of rows and of the picture. Pixels the coding skips keep index 0. A run that
// leaves its row or jumps out of the picture is damage, not something to clip.
class RunLengthDecoder {
 public:
  RunLengthDecoder(const BmpHeader& header, ByteSpan bytes, Image& image)
      : header_(header),
        image_(image),
        in_(bytes, header.data_offset),
        four_bits_(header.compression == BmpCompression::kRunLength4) {}

  // Empty when the picture was decoded, otherwise why not.
  std::string decode() {
    std::memset(image_.data(), 0, image_.stride() * static_cast<std::size_t>(image_.height()));
    while (row_ < image_.height()) {
      const std::uint8_t count = in_.u8();
      const std::uint8_t value = in_.u8();
      if (!in_.ok()) return kEndsEarly;
      std::string problem;
      if (count > 0) {
        problem = run(count, value);
      } else if (value == 0) {
        x_ = 0;
        ++row_;
      } else if (value == 1) {
        return {};
      } else if (value == 2) {
        problem = jump();
      } else {
        problem = literal(value);
      }
      if (!problem.empty()) return problem;
    }
    return {};
  }

 private:
  static constexpr const char* kEndsEarly = "the BMP data ends early";
  static constexpr const char* kPastRow = "a BMP run goes past the end of its row";

  std::uint8_t index(const std::uint8_t* packed, int i) const {
    if (!four_bits_) return packed[i];
    const std::uint8_t byte = packed[i / 2];
    return i % 2 ? byte & 0x0F : byte >> 4;
  }

  bool fits(int count) const { return x_ + count <= image_.width(); }

  std::uint8_t* out() { return image_.row(header_.image_row(row_)) + x_; }

  std::string run(int count, std::uint8_t value) {
    if (!fits(count)) return kPastRow;
    std::uint8_t* p = out();
    for (int i = 0; i < count; ++i)
      p[i] = index(&value, four_bits_ ? i % 2 : 0);  // RLE4 runs alternate two nibbles
    x_ += count;
    return {};
  }

  std::string literal(int count) {
    const std::size_t size = four_bits_ ? (count + 1u) / 2 : count;
    const ByteSpan packed = in_.take(size);
    if (size % 2) in_.skip(1);  // literals are padded to 16 bits
    if (packed.empty()) return kEndsEarly;
    if (!fits(count)) return kPastRow;
    std::uint8_t* p = out();
    for (int i = 0; i < count; ++i)
      p[i] = index(packed.data(), i);
    x_ += count;
    return {};
  }

  std::string jump() {
    const int right = in_.u8();
    const int rows = in_.u8();
    if (!in_.ok()) return kEndsEarly;
    if (x_ + right > image_.width() || row_ + rows >= image_.height()) {
      return "a BMP run jumps outside the picture";
    }
    x_ += right;
    row_ += rows;
    return {};
  }

  const BmpHeader& header_;
  Image& image_;
  ByteReader in_;
  bool four_bits_;
  int x_ = 0;
  int row_ = 0;
};

// The rows of a plain picture top down, reduced as they are read, from the file's
// bytes or from the file itself. `read_row` reads file row r into its buffer.
Result<Image> decode_plain_reduced(const BmpHeader& header, const std::vector<RgbQuad>& palette,
                                   AreaReducer::Size size,
                                   const std::function<bool(int, std::uint8_t*)>& read_row) {
  const int width = static_cast<int>(header.width);
  const int height = static_cast<int>(header.height);
  std::optional<Image> into = Image::allocate(
      size.width, size.height, header.has_alpha() ? PixelLayout::kBgra : PixelLayout::kBgrx);
  std::optional<AreaReducer> reducer;
  if (into) reducer = AreaReducer::create(width, height, std::move(*into));
  if (!reducer) return Failure{"not enough memory for the picture"};
  std::vector<std::uint8_t> in(static_cast<std::size_t>(header.stride()));
  std::vector<std::uint8_t> indices(header.indexed() ? static_cast<std::size_t>(width) : 0);
  std::vector<std::uint8_t> out(static_cast<std::size_t>(width) * 4);
  MaskedRows masked(header);
  for (int y = 0; y < height; ++y) {
    const int file_row = header.top_down ? y : height - 1 - y;
    if (!read_row(file_row, in.data())) return Failure{"the BMP data ends early"};
    if (header.indexed()) {
      unpack_indices(in.data(), indices.data(), width, header.bits);
      for (int x = 0; x < width; ++x) {
        const RgbQuad colour = palette[indices[static_cast<std::size_t>(x)]];
        out[4 * x] = colour.blue;
        out[4 * x + 1] = colour.green;
        out[4 * x + 2] = colour.red;
        out[4 * x + 3] = 255;
      }
    } else if (header.bits == 24) {
      unpack_bgr(in.data(), out.data(), width);
    } else {
      masked.unpack(in.data(), out.data(), width);
    }
    reducer->add_row(out.data());
  }
  Image image = reducer->take();
  // Alpha that is 0 everywhere is a byte nobody filled in, not a transparent picture.
  if (image.has_alpha() && (masked.alpha_seen == 0 || masked.opaque == 255)) {
    image.convert_to(PixelLayout::kBgrx);
  }
  image.set_resolution(header.x_dpi, header.y_dpi);
  image.origin().full_width = width;
  image.origin().full_height = height;
  return image;
}

Result<BmpHeader> read_checked_header(ByteSpan bytes) {
  Result<BmpHeader> header = read_bmp_header(bytes);
  if (!header) return header;
  const std::string refusal = bmp_layout_refusal(*header);
  if (!refusal.empty()) return Failure{refusal};
  return header;
}

class BmpCodec final : public ImageCodec {
 public:
  ImageFormat format() const override { return ImageFormat::kBmp; }

  Sniff sniff(ByteSpan head) const override {
    return head.size() >= 18 && head[0] == 'B' && head[1] == 'M' ? Sniff::kYes : Sniff::kNo;
  }

  Result<ImageInfo> probe(ByteSpan bytes) const override {
    Result<BmpHeader> header = read_checked_header(bytes);
    if (!header) return Failure{header.reason()};
    ImageInfo info;
    info.width = static_cast<int>(header->width);
    info.height = static_cast<int>(header->height);
    info.bits_per_pixel = header->bits;
    info.has_alpha = header->has_alpha();
    return info;
  }

  Result<Image> decode(ByteSpan bytes, const DecodeOptions& options) const override {
    Result<BmpHeader> header = read_checked_header(bytes);
    if (!header) return Failure{header.reason()};
    const std::string refusal = bmp_extent_refusal(*header, bytes.size());
    if (!refusal.empty()) return Failure{refusal};
    if (const auto size = reduced_size(*header, options)) {
      const std::uint64_t stride = header->stride();
      return decode_plain_reduced(
          *header, header->indexed() ? read_palette(*header, bytes) : std::vector<RgbQuad>(), *size,
          [&](int row, std::uint8_t* out) {
            std::memcpy(out, bytes.data() + header->data_offset + stride * row, stride);
            return true;
          });
    }
    Result<Image> image = allocate_for(*header, bytes);
    if (!image) return image;
    if (header->run_length()) {
      const std::string problem = RunLengthDecoder(*header, bytes, *image).decode();
      if (!problem.empty()) return Failure{problem};
    } else {
      decode_plain(*header, bytes, *image);
    }
    return image;
  }

  // A plain picture to be reduced is read a row at a time, never whole.
  Result<Image> decode_file(const FileInput& file, const DecodeOptions& options) const override {
    Bytes head(std::min<std::size_t>(file.size, kHeadBytes));
    if (!file.read_at(0, head.data(), head.size())) return Failure{"the BMP file ends early"};
    Result<BmpHeader> header = read_checked_header(head);
    const std::optional<AreaReducer::Size> size =
        header ? reduced_size(*header, options) : std::nullopt;
    const bool palette_read = head.size() == file.size || header->palette_at + 1024 <= head.size();
    if (!size || !palette_read || !bmp_extent_refusal(*header, file.size).empty())
      return ImageCodec::decode_file(file, options);
    const std::uint64_t stride = header->stride();
    return decode_plain_reduced(
        *header, header->indexed() ? read_palette(*header, head) : std::vector<RgbQuad>(), *size,
        [&](int row, std::uint8_t* out) {
          return file.read_at(header->data_offset + stride * static_cast<std::uint64_t>(row), out,
                              stride);
        });
  }

  bool can_encode() const override { return true; }
  Result<Bytes> encode(const Image& image, const EncodeOptions&) const override {
    return encode_with_stb(image, StbWriter::kBmp);
  }

 private:
  // Enough for every header and the largest palette.
  static constexpr std::size_t kHeadBytes = 64 * 1024;

  // The size a plain picture is reduced to as it is read; nothing for a
  // run-length coded one, whose rows come bottom up only by decoding them all.
  static std::optional<AreaReducer::Size> reduced_size(const BmpHeader& header,
                                                       const DecodeOptions& options) {
    if (header.run_length() || !options.target.is_set()) return std::nullopt;
    return AreaReducer::reduced_size(options.target, static_cast<int>(header.width),
                                     static_cast<int>(header.height));
  }
};

}  // namespace

const ImageCodec& bmp_codec() {
  static const BmpCodec codec;
  return codec;
}

}  // namespace pictavo::codecs
