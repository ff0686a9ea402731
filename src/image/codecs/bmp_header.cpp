#include "image/codecs/bmp_header.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/byte_reader.h"
#include "image/image_limits.h"

namespace pictavo::codecs {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;
// Where the colour masks lie: in the information header from its 52-byte version
// on, else right after a 40-byte header.
constexpr std::size_t kMasksAt = kFileHeaderSize + 40;

bool known_header_size(std::uint32_t size) {
  for (const std::uint32_t known : {12, 16, 40, 52, 56, 64, 108, 124}) {
    if (size == known) return true;
  }
  return false;
}

bool os2_header_size(std::uint32_t size) {
  return size == 16 || size == 64;
}

int metres_to_dpi(std::uint32_t pixels_per_metre) {
  if (pixels_per_metre == 0 || pixels_per_metre > 2'600'000) return 96;
  return static_cast<int>(std::lround(pixels_per_metre * 0.0254));
}

std::array<std::uint32_t, 4> default_masks(int bits) {
  if (bits == 16) return {0x7C00, 0x03E0, 0x001F, 0};
  // The fourth byte of plain 32-bit pixels is taken as alpha unless it is 0
  // everywhere (see the decoder): icons and many programs store alpha there.
  if (bits == 32) return {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
  return {};
}

int stated_mask_count(const BmpHeader& header) {
  if (header.header_size < 40 || header.os2) return 0;
  if (header.header_size >= 56) return 4;
  if (header.header_size == 52) return 3;
  if (header.compression == BmpCompression::kBitfields) return 3;
  return header.compression == BmpCompression::kAlphaBitfields ? 4 : 0;
}

bool read_masks(BmpHeader& header, ByteSpan bytes) {
  const int count = stated_mask_count(header);
  if (header.header_size == 40) header.palette_at += 4 * static_cast<std::size_t>(count);
  ByteReader in(bytes, kMasksAt);
  for (int i = 0; i < count; ++i)
    header.masks[static_cast<std::size_t>(i)] = in.u32le();
  if (header.compression != BmpCompression::kBitfields &&
      header.compression != BmpCompression::kAlphaBitfields) {
    header.masks = default_masks(header.bits);
  }
  return in.ok();
}

std::string mask_refusal(const BmpHeader& header) {
  if (header.bits != 16 && header.bits != 32) return {};
  const std::uint64_t pixel_values = std::uint64_t{1} << header.bits;
  std::uint32_t taken = 0;
  for (const std::uint32_t mask : header.masks) {
    if (mask >= pixel_values) {
      return "a BMP colour mask does not fit in " + std::to_string(header.bits) + "-bit pixels";
    }
    if (mask & taken) return "the BMP colour masks overlap";
    taken |= mask;
  }
  return {};
}

bool plain_depth(int bits) {
  for (const int depth : {1, 2, 4, 8, 16, 24, 32}) {
    if (bits == depth) return true;
  }
  return false;
}

std::string compression_refusal(const BmpHeader& header) {
  switch (header.compression) {
    case BmpCompression::kRgb:
      return plain_depth(header.bits)
                 ? ""
                 : "unsupported BMP depth of " + std::to_string(header.bits) + " bits";
    case BmpCompression::kRunLength8:
    case BmpCompression::kRunLength4: {
      const int bits = header.compression == BmpCompression::kRunLength8 ? 8 : 4;
      return header.bits == bits ? "" : "damaged run-length coded BMP header";
    }
    case BmpCompression::kBitfields:
    case BmpCompression::kAlphaBitfields:
      if (header.os2) break;  // OS/2's Huffman coding
      return header.bits == 16 || header.bits == 32
                 ? ""
                 : "BMP colour masks need 16 or 32-bit pixels, not " + std::to_string(header.bits);
    case BmpCompression::kJpeg:
      if (header.os2) break;  // OS/2's 24-bit run-length coding
      [[fallthrough]];
    case BmpCompression::kPng:
      return "compressed BMP pictures (JPEG or PNG inside) are not supported";
  }
  return "unsupported BMP compression " +
         std::to_string(static_cast<std::uint32_t>(header.compression));
}

}  // namespace

std::uint64_t BmpHeader::palette_count() const {
  if (!indexed()) return 0;
  const std::uint64_t full = std::uint64_t{1} << bits;
  if (header_size == kCoreHeaderSize) {
    return std::min(full, data_offset > palette_at ? (data_offset - palette_at) / 3 : 0);
  }
  return colours_used ? colours_used : full;
}

Result<BmpHeader> read_bmp_header(ByteSpan bytes) {
  ByteReader in(bytes);
  if (in.u8() != 'B' || in.u8() != 'M') return Failure{"not a BMP file"};
  BmpHeader header;
  in.skip(8);
  header.data_offset = in.u32le();
  header.header_size = in.u32le();
  if (!in.ok()) return Failure{"the BMP header is cut short"};
  if (!known_header_size(header.header_size)) {
    return Failure{"unsupported BMP header size " + std::to_string(header.header_size)};
  }
  if (bytes.size() < kFileHeaderSize + header.header_size) {
    return Failure{"the BMP header is cut short"};
  }
  // The fields a short OS/2 header leaves out read as zeros.
  ByteReader info(bytes.subspan(kFileHeaderSize + 4, header.header_size - 4));
  if (header.header_size == kCoreHeaderSize) {
    header.width = info.u16le();
    header.height = info.u16le();
    info.skip(2);
    header.bits = info.u16le();
    header.palette_entry_size = 3;
  } else {
    header.width = static_cast<std::int32_t>(info.u32le());
    const std::int64_t height = static_cast<std::int32_t>(info.u32le());
    header.top_down = height < 0;
    header.height = std::abs(height);
    info.skip(2);
    header.bits = info.u16le();
    header.compression = static_cast<BmpCompression>(info.u32le());
    info.skip(4);
    header.x_dpi = metres_to_dpi(info.u32le());
    header.y_dpi = metres_to_dpi(info.u32le());
    header.colours_used = info.u32le();
    header.os2 = os2_header_size(header.header_size);
  }
  header.palette_at = kFileHeaderSize + header.header_size;
  if (!read_masks(header, bytes)) return Failure{"the BMP colour masks are cut short"};
  return header;
}

std::string bmp_layout_refusal(const BmpHeader& header) {
  std::string refusal = image_size_refusal(header.width, header.height);
  if (refusal.empty()) refusal = compression_refusal(header);
  if (refusal.empty()) refusal = mask_refusal(header);
  return refusal;
}

std::string bmp_extent_refusal(const BmpHeader& header, std::size_t file_size) {
  const std::uint64_t palette_end =
      header.palette_at + header.palette_count() * header.palette_entry_size;
  if (palette_end > file_size) return "the BMP palette is larger than the file";
  if (header.data_offset < header.palette_at) return "the BMP pixels start inside its headers";
  if (header.run_length()) return {};  // the runs are checked as they are decoded
  if (header.data_offset + header.stride() * static_cast<std::uint64_t>(header.height) >
      file_size) {
    return "the BMP data ends early";
  }
  return {};
}

}  // namespace pictavo::codecs
