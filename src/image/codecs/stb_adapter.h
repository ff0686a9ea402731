#pragma once

#include "base/result.h"
#include "image/image.h"
#include "image/image_codec.h"

// The glue to the packaged stb_image and stb_image_write libraries: TGA and PNM
// pictures are read with stb_image, BMP and TGA pictures written with
// stb_image_write.
namespace pictavo::codecs {

// Decodes with stb_image. The caller has recognised the format and checked the
// size and the data length against the header (stb fills missing data with
// zeros). The picture is kBgra when the file has alpha that is not all opaque.
Result<Image> decode_with_stb(ByteSpan bytes, const char* format_name);

enum class StbWriter { kBmp, kTga };

// A 24-bit picture, or 32-bit with alpha for kBgra pictures; TGA is RLE-packed.
Result<Bytes> encode_with_stb(const Image& image, StbWriter writer);

}  // namespace pictavo::codecs
