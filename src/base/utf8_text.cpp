#include "base/utf8_text.h"

namespace pictavo {
namespace {

// The length of the UTF-8 sequence that starts at `at`: the lead byte's length
// when that many continuation bytes follow it, else 1.
std::size_t sequence_length(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 1;
  if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  } else if (lead >= 0xE0) {
    length = lead <= 0xEF ? 3 : 1;
  } else if (lead >= 0xC2) {
    length = 2;
  }
  if (at + length > text.size()) return 1;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

}  // namespace

std::string_view utf8_prefix(std::string_view text, std::size_t characters) {
  std::size_t end = 0;
  for (std::size_t count = 0; count < characters && end < text.size(); ++count) {
    end += sequence_length(text, end);
  }
  return text.substr(0, end);
}

}  // namespace pictavo
