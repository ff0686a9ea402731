// Windows icons and cursors: a directory of pictures, each a PNG or a headerless
// bitmap (DIB) followed by a 1-bit transparency mask. Each entry is a frame. The
// DIBs are given a file header and decoded as BMP files; written icons hold one
// 32-bit DIB entry.
#include <cstring>
#include <string>
#include <vector>

#include "base/byte_reader.h"
#include "base/byte_writer.h"
#include "image/codecs/codecs.h"
#include "image/image_limits.h"

namespace pictavo::codecs {
namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr int kMaxIconSide = 256;

struct IconEntry {
  int width = 0;
  int height = 0;
  int bits = 0;
  std::uint32_t size = 0;
  std::uint32_t offset = 0;
};

Result<std::vector<IconEntry>> read_directory(ByteSpan bytes) {
  ByteReader in(bytes);
  const int reserved = in.u16le();
  const int type = in.u16le();
  const int count = in.u16le();
  if (!in.ok() || reserved != 0 || (type != 1 && type != 2) || count == 0) {
    return Failure{"not an ICO file"};
  }
  if (in.remaining() < count * kEntrySize) return Failure{"the ICO directory is cut short"};
  std::vector<IconEntry> entries;
  entries.reserve(count);
  for (int i = 0; i < count; ++i) {
    IconEntry entry;
    entry.width = in.u8();
    entry.height = in.u8();
    in.skip(4);
    entry.bits = in.u16le();
    entry.size = in.u32le();
    entry.offset = in.u32le();
    if (entry.width == 0) entry.width = kMaxIconSide;
    if (entry.height == 0) entry.height = kMaxIconSide;
    entries.push_back(entry);
  }
  return entries;
}

struct DibHeader {
  std::uint32_t header_size = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;  // colour rows and mask rows together
  int bits = 0;
  std::uint32_t compression = 0;
  std::uint32_t colours_used = 0;
};

// Decodes a DIB entry by putting a BMP file header in front of it, then applies
// the mask (1 = transparent) unless the pixels carry their own alpha.
Result<Image> decode_dib(ByteSpan entry) {
  ByteReader in(entry);
  DibHeader dib;
  dib.header_size = in.u32le();
  dib.width = static_cast<std::int32_t>(in.u32le());
  dib.height = static_cast<std::int32_t>(in.u32le());
  in.skip(2);
  dib.bits = in.u16le();
  dib.compression = in.u32le();
  in.skip(12);
  dib.colours_used = in.u32le();
  if (!in.ok() || dib.header_size < 40 || dib.header_size > 124)
    return Failure{"damaged icon entry"};
  const int height = dib.height / 2;
  const std::string refusal = image_size_refusal(dib.width, height);
  if (!refusal.empty()) return Failure{refusal};
  if (dib.bits != 1 && dib.bits != 4 && dib.bits != 8 && dib.bits != 16 && dib.bits != 24 &&
      dib.bits != 32) {
    return Failure{"unsupported icon depth of " + std::to_string(dib.bits) + " bits"};
  }
  const std::uint64_t palette =
      dib.bits <= 8
          ? std::min<std::uint64_t>(dib.colours_used ? dib.colours_used : 1u << dib.bits, 256)
          : 0;
  // Colour masks follow a 40-byte header: three, or four with alpha.
  const std::uint64_t masks = dib.header_size != 40  ? 0
                              : dib.compression == 3 ? 12
                              : dib.compression == 6 ? 16
                                                     : 0;
  const std::uint64_t pixels_at = dib.header_size + palette * 4 + masks;
  const std::uint64_t colour_stride =
      (static_cast<std::uint64_t>(dib.width) * dib.bits + 31) / 32 * 4;
  const std::uint64_t mask_at = pixels_at + colour_stride * height;
  if (mask_at > entry.size()) return Failure{"the icon data ends early"};

  Bytes file;
  ByteWriter out(file);
  out.u8('B');
  out.u8('M');
  out.u32le(static_cast<std::uint32_t>(14 + mask_at));
  out.u32le(0);
  out.u32le(static_cast<std::uint32_t>(14 + pixels_at));
  out.append(entry.first(static_cast<std::size_t>(mask_at)));
  out.patch_u32le(14 + 8, static_cast<std::uint32_t>(height));  // colour rows only
  Result<Image> image = bmp_codec().decode(file, DecodeOptions{});
  if (!image || image->has_alpha()) return image;

  const std::uint64_t mask_stride = (static_cast<std::uint64_t>(dib.width) + 31) / 32 * 4;
  if (mask_at + mask_stride * height > entry.size()) return image;  // no mask: opaque
  image->convert_to(PixelLayout::kBgra);
  for (int row = 0; row < height; ++row) {
    const std::uint8_t* mask = entry.data() + mask_at + mask_stride * row;
    std::uint8_t* out = image->row(height - 1 - row);
    for (int x = 0; x < dib.width; ++x) {
      if ((mask[x / 8] >> (7 - x % 8)) & 1) out[4 * x + 3] = 0;
    }
  }
  return image;
}

// A 32-bit DIB (rows bottom-up, height counting the mask rows too) with the mask
// derived from alpha for readers that ignore alpha.
void write_dib_entry(ByteWriter& out, const Image& image) {
  const int w = image.width();
  const int h = image.height();
  out.u32le(40);
  out.u32le(static_cast<std::uint32_t>(w));
  out.u32le(static_cast<std::uint32_t>(2 * h));
  out.u16le(1);
  out.u16le(32);
  out.fill(24, 0);
  const std::size_t mask_stride = (static_cast<std::size_t>(w) + 31) / 32 * 4;
  std::vector<std::uint8_t> mask(mask_stride * h, 0);
  for (int row = 0; row < h; ++row) {
    const int y = h - 1 - row;
    for (int x = 0; x < w; ++x) {
      const RgbQuad colour = image.pixel(x, y);
      out.u8(colour.blue);
      out.u8(colour.green);
      out.u8(colour.red);
      out.u8(colour.alpha);
      if (colour.alpha < 128)
        mask[mask_stride * row + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
  }
  out.append(mask);
}

class IcoCodec final : public ImageCodec {
 public:
  ImageFormat format() const override { return ImageFormat::kIco; }
  bool has_frames() const override { return true; }

  // Reserved 0, type 1 (icon) or 2 (cursor), at least one entry whose data lies
  // after the directory.
  Sniff sniff(ByteSpan head) const override {
    ByteReader in(head);
    const unsigned reserved = in.u16le();
    const unsigned type = in.u16le();
    const unsigned count = in.u16le();
    in.skip(12);
    const std::uint32_t first_offset = in.u32le();
    const bool plausible = in.ok() && reserved == 0 && (type == 1 || type == 2) && count > 0 &&
                           first_offset >= kDirectorySize + kEntrySize * count;
    return plausible ? Sniff::kYes : Sniff::kNo;
  }

  Result<ImageInfo> probe(ByteSpan bytes) const override {
    Result<std::vector<IconEntry>> entries = read_directory(bytes);
    if (!entries) return Failure{entries.reason()};
    const IconEntry& first = entries->front();
    ImageInfo info;
    info.width = first.width;
    info.height = first.height;
    info.bits_per_pixel = first.bits ? first.bits : 32;
    info.frame_count = static_cast<int>(entries->size());
    info.has_alpha = true;
    return info;
  }

  Result<Image> decode(ByteSpan bytes, const DecodeOptions& options) const override {
    Result<std::vector<IconEntry>> entries = read_directory(bytes);
    if (!entries) return Failure{entries.reason()};
    const int count = static_cast<int>(entries->size());
    if (options.frame >= count) {
      return missing_frame(options.frame, count);
    }
    const IconEntry& entry = (*entries)[static_cast<std::size_t>(options.frame)];
    if (std::uint64_t{entry.offset} + entry.size > bytes.size()) {
      return Failure{"the icon data ends early"};
    }
    const ByteSpan data = bytes.subspan(entry.offset, entry.size);
    const ImageCodec& png = png_codec();
    Result<Image> image =
        png.sniff(data) == Sniff::kYes ? png.decode(data, DecodeOptions{}) : decode_dib(data);
    if (image) {
      image->origin().frame = options.frame;
      image->origin().frame_count = count;
    }
    return image;
  }

  bool can_encode() const override { return true; }

  Result<Bytes> encode(const Image& image, const EncodeOptions&) const override {
    if (image.width() > kMaxIconSide || image.height() > kMaxIconSide) {
      return Failure{"icons are at most 256 x 256 pixels"};
    }
    Bytes bytes;
    ByteWriter out(bytes);
    out.u16le(0);
    out.u16le(1);  // icon
    out.u16le(1);  // one entry
    out.u8(image.width() % kMaxIconSide);
    out.u8(image.height() % kMaxIconSide);
    out.u16le(0);
    out.u16le(1);   // planes
    out.u16le(32);  // bits
    const std::size_t size_at = out.size();
    out.u32le(0);
    out.u32le(static_cast<std::uint32_t>(kDirectorySize + kEntrySize));
    write_dib_entry(out, image);
    out.patch_u32le(size_at, static_cast<std::uint32_t>(out.size() - kDirectorySize - kEntrySize));
    return bytes;
  }
};

}  // namespace

const ImageCodec& ico_codec() {
  static const IcoCodec codec;
  return codec;
}

}  // namespace pictavo::codecs
