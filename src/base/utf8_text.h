#pragma once

#include <cstddef>
#include <string_view>

namespace pictavo {

// The first `characters` characters of UTF-8 text; a character is never cut in
// half. Bytes that are not valid UTF-8 count one character each.
std::string_view utf8_prefix(std::string_view text, std::size_t characters);

}  // namespace pictavo
