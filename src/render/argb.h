#pragma once

#include <cstdint>

namespace pictavo {

// Colours as 32-bit ARGB values: alpha in the top byte, then red, green, blue.
inline constexpr std::uint32_t kOpaqueWhite = 0xFFFFFFFF;
inline constexpr std::uint32_t kOpaqueBlack = 0xFF000000;

constexpr std::uint32_t argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return (a << 24) | (r << 16) | (g << 8) | b;
}
constexpr int alpha_of(std::uint32_t colour) {
  return static_cast<int>(colour >> 24);
}
constexpr int red_of(std::uint32_t colour) {
  return static_cast<int>((colour >> 16) & 0xFF);
}
constexpr int green_of(std::uint32_t colour) {
  return static_cast<int>((colour >> 8) & 0xFF);
}
constexpr int blue_of(std::uint32_t colour) {
  return static_cast<int>(colour & 0xFF);
}

}  // namespace pictavo
