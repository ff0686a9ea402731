#pragma once

#include <QImage>

#include "image/image.h"

namespace pictavo {

// A copy of an engine picture for Qt to draw: opaque pictures as RGB32, pictures
// with transparency as ARGB32. A null image for an invalid picture or when memory
// runs out.
QImage qimage_of(const Image& picture);

}  // namespace pictavo
