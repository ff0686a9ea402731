#pragma once

#include "base/result.h"
#include "image/image.h"
#include "image/image_codec.h"

namespace pictavo::codecs {

// A lossless JPEG 2000 picture (reversible 5/3 wavelet, one quality layer): the
// JP2 file format when `jp2_box` is set, else the bare codestream.
Result<Bytes> encode_jpeg2000(const Image& image, bool jp2_box);

}  // namespace pictavo::codecs
