#pragma once

#include <string_view>

namespace pictavo {

// Reads an integer the way the stored files were always read (C's atoi): leading
// blanks, an optional sign, then digits; anything else ends the number and no
// digits give 0. Unlike atoi it never overflows: values beyond the int range are
// clamped to it.
int parse_int(std::string_view text);

}  // namespace pictavo
