#pragma once

#include <cstdint>
#include <span>

#include "image/image.h"

namespace pictavo {

// The orientation tag (1..8) of an EXIF block (an APP1 payload beginning
// "Exif\0\0"); 1 when there is none or it cannot be read.
int read_exif_orientation(std::span<const std::uint8_t> exif);

// Whether pixels stored with this orientation have their sides swapped upright.
inline bool orientation_swaps_sides(int orientation) {
  return orientation >= 5 && orientation <= 8;
}

// Turns pixels stored with an EXIF orientation upright (1 leaves them).
bool apply_orientation(Image& image, int orientation);

}  // namespace pictavo
