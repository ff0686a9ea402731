#include "base/utf16.h"

#include <cstdint>

namespace pictavo {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

void append_utf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

Utf16Text utf16le_to_utf8(std::string_view bytes) {
  Utf16Text result;
  result.odd_byte = bytes.size() % 2 != 0;
  bytes.remove_suffix(bytes.size() % 2);
  auto unit_at = [&](std::size_t i) {
    return static_cast<char16_t>(static_cast<std::uint8_t>(bytes[i]) |
                                 (static_cast<std::uint8_t>(bytes[i + 1]) << 8));
  };
  const auto is_high = [](char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; };
  const auto is_low = [](char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; };
  std::string& out = result.text;
  out.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    const char16_t unit = unit_at(i);
    if (unit == 0) break;
    if (is_high(unit) && i + 2 < bytes.size() && is_low(unit_at(i + 2))) {
      const char16_t low = unit_at(i + 2);
      append_utf8(out, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (low - 0xDC00));
      i += 2;
    } else if (is_high(unit) || is_low(unit)) {
      append_utf8(out, kReplacementCharacter);
      ++result.replaced;
    } else {
      append_utf8(out, unit);
    }
  }
  return result;
}

}  // namespace pictavo
