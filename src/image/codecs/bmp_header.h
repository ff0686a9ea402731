#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/result.h"
#include "image/image_codec.h"

// The headers of a Windows or OS/2 bitmap: what the pixels are and where they lie.
namespace pictavo::codecs {

enum class BmpCompression : std::uint32_t {
  kRgb = 0,
  kRunLength8 = 1,
  kRunLength4 = 2,
  kBitfields = 3,
  kJpeg = 4,
  kPng = 5,
  kAlphaBitfields = 6,
};

struct BmpHeader {
  std::uint32_t data_offset = 0;
  std::uint32_t header_size = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;  // of the picture, whichever way its rows run
  bool top_down = false;    // a negative height in the file
  int bits = 0;
  BmpCompression compression = BmpCompression::kRgb;
  bool os2 = false;  // OS/2 headers give compression values 3 and 4 other meanings
  std::uint32_t colours_used = 0;
  int x_dpi = 96;
  int y_dpi = 96;
  // Red, green, blue and alpha of 16 and 32-bit pixels; no alpha when 0.
  std::array<std::uint32_t, 4> masks{};
  std::size_t palette_at = 0;
  int palette_entry_size = 4;

  bool run_length() const {
    return compression == BmpCompression::kRunLength8 || compression == BmpCompression::kRunLength4;
  }
  bool indexed() const { return bits <= 8; }
  bool has_alpha() const { return masks[3] != 0; }
  // Palette entries the file states (for core headers, those before the pixels).
  std::uint64_t palette_count() const;
  std::uint64_t stride() const { return (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4; }
  int image_row(int file_row) const {
    return top_down ? file_row : static_cast<int>(height) - 1 - file_row;
  }
};

// Reads the file and information headers and the colour masks after them.
Result<BmpHeader> read_bmp_header(ByteSpan bytes);

// Empty when the pixels described can be decoded, otherwise why not. Needs the
// headers only, so probing can tell what decoding would refuse.
std::string bmp_layout_refusal(const BmpHeader& header);

// Empty when the palette and the pixels the headers describe lie in a file of
// `file_size` bytes, otherwise why not.
std::string bmp_extent_refusal(const BmpHeader& header, std::size_t file_size);

}  // namespace pictavo::codecs
