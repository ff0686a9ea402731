#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pictavo {

// Converts UTF-16LE bytes (without the FF FE mark) to UTF-8, stopping at the first
// NUL unit. Malformed input (an odd byte count, an unpaired surrogate) gives nothing
// rather than a misread text.
std::optional<std::string> utf16le_to_utf8(std::string_view bytes);

}  // namespace pictavo
