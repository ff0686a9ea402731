#pragma once

#include "render/image.h"
#include "render/image_codec.h"
#include "render/result.h"

namespace pictavo::codecs {

// A single-page TIFF, LZW-compressed: 8-bit RGB, RGB with unassociated alpha, or
// an 8-bit palette for indexed pictures.
Result<Bytes> encode_tiff(const Image& image);

}  // namespace pictavo::codecs
