#pragma once

#include "base/result.h"
#include "image/image.h"
#include "image/image_codec.h"

namespace pictavo::codecs {

// A single-frame GIF89a. Indexed pictures keep their palette and transparent
// index; colour pictures keep their colours when there are at most 256 (255 with
// alpha), else they are quantised; pixels with alpha below 128 take the
// transparent index 255.
Result<Bytes> encode_gif(const Image& image);

}  // namespace pictavo::codecs
