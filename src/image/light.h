#pragma once

#include "image/image.h"

namespace pictavo {

// Brightness and contrast through one table: every colour channel value v becomes
// the integer part of b + 128 + (c + 100) × 0.01 × (v − 128), clamped to 0..255.
// Applied to every pixel, or to the palette of an indexed picture; alpha is kept.
bool light(Image& image, int brightness, int contrast);

}  // namespace pictavo
