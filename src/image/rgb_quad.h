#pragma once

#include <cstdint>

namespace pictavo {

// One colour as the pixels of 32-bit images and palettes hold it: blue, green, red,
// alpha in memory order, which is also how Cairo stores a pixel on little-endian
// machines. Alpha is straight (not premultiplied); 255 is opaque.
struct RgbQuad {
  std::uint8_t blue = 0;
  std::uint8_t green = 0;
  std::uint8_t red = 0;
  std::uint8_t alpha = 255;

  friend bool operator==(const RgbQuad&, const RgbQuad&) = default;
};

inline constexpr RgbQuad rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                             std::uint8_t alpha = 255) {
  return {blue, green, red, alpha};
}

// A colour value 0x00BBGGRR (red in the lowest byte, as colour choosers hand it
// over) as an opaque RGB quad.
inline constexpr RgbQuad rgb_quad_from_colour_value(std::uint32_t value) {
  return rgb(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// The grey level of a colour (BT.601 weights), 0..255.
inline constexpr int luma(RgbQuad colour) {
  return (colour.red * 299 + colour.green * 587 + colour.blue * 114 + 500) / 1000;
}

}  // namespace pictavo
