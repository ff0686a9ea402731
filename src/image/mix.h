#pragma once

#include "image/image.h"

namespace pictavo {

// How mix() combines two pictures. The program uses only the overlay, under the
// value its stored edits know it by.
enum class MixOperation {
  kOverlay = 9,  // lay the other picture over this one, honouring its transparency
};

// Lays `overlay` over `image` with its top-left corner at (x, y) of the image
// (partly outside is clipped). Where the overlay has alpha the colours are blended
// by it; pixels with its transparent index or transparent colour are left out.
// An indexed image is expanded to colour first.
bool mix(Image& image, const Image& overlay, MixOperation operation, int x, int y);

}  // namespace pictavo
