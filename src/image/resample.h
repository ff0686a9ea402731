#pragma once

#include "image/image.h"

namespace pictavo {

// Resamples to width × height with mode 0: bilinear interpolation between the
// four nearest pixels (pixel centres aligned, edges clamped), except that a 24-bit
// picture reduced in both directions is area-averaged: each new pixel is the mean
// of the old pixels it covers, each weighted by the part it covers. Indexed
// pictures are expanded to colour first. False for sizes without pixels or beyond
// the limits; the picture is then unchanged.
bool resample(Image& image, int width, int height);

}  // namespace pictavo
