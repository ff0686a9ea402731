#include "base/utf16.h"

#include <cstdint>

namespace pictavo {
namespace {

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

std::optional<std::string> utf16le_to_utf8(std::string_view bytes) {
  if (bytes.size() % 2 != 0) return std::nullopt;
  auto unit_at = [&](std::size_t i) {
    return static_cast<char16_t>(static_cast<std::uint8_t>(bytes[i]) |
                                 (static_cast<std::uint8_t>(bytes[i + 1]) << 8));
  };
  std::string out;
  out.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    const char16_t unit = unit_at(i);
    if (unit == 0) break;
    if (unit >= 0xDC00 && unit <= 0xDFFF) return std::nullopt;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      if (i + 2 >= bytes.size()) return std::nullopt;
      const char16_t low = unit_at(i + 2);
      if (low < 0xDC00 || low > 0xDFFF) return std::nullopt;
      append_utf8(out, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (low - 0xDC00));
      i += 2;
      continue;
    }
    append_utf8(out, unit);
  }
  return out;
}

}  // namespace pictavo
