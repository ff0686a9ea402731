#pragma once

#include "image/image.h"

// Geometric operations that move pixels without changing them. Each works on
// every layout and returns false only for an invalid picture or rectangle, or
// when memory runs out (the picture is then unchanged).
namespace pictavo {

// Keeps the rectangle from (left, top) up to, not including, (right, bottom). The
// corners may come in either order; the rectangle is clipped to the picture and
// must keep at least one pixel.
bool crop(Image& image, int left, int top, int right, int bottom);

bool rotate_left(Image& image);   // 90 degrees anticlockwise
bool rotate_right(Image& image);  // 90 degrees clockwise
bool rotate_180(Image& image);
bool flip(Image& image);       // top row becomes the bottom row
bool mirror(Image& image);     // left column becomes the right column
bool transpose(Image& image);  // pixel (x, y) moves to (y, x)

}  // namespace pictavo
