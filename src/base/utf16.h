#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pictavo {

// UTF-16 text converted to UTF-8, with what had to be mended on the way.
struct Utf16Text {
  std::string text;
  std::size_t replaced = 0;  // unpaired surrogates, each now U+FFFD
  bool odd_byte = false;     // a stray last byte, dropped

  bool damaged() const { return replaced > 0 || odd_byte; }
};

// Converts UTF-16LE bytes (without the FF FE mark) to UTF-8, stopping at the first
// NUL unit. One damaged character does not cost the rest of the text: an unpaired
// surrogate becomes U+FFFD and a stray last byte is dropped.
Utf16Text utf16le_to_utf8(std::string_view bytes);

}  // namespace pictavo
