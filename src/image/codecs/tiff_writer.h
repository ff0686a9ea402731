#pragma once

#include "base/result.h"
#include "image/image.h"
#include "image/image_codec.h"

namespace pictavo::codecs {

// A single-page TIFF, LZW-compressed: 8-bit RGB, RGB with unassociated alpha, or
// an 8-bit palette for indexed pictures.
Result<Bytes> encode_tiff(const Image& image);

}  // namespace pictavo::codecs
