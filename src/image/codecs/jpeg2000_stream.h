#pragma once

#include <openjpeg.h>

#include <memory>
#include <string>

#include "image/image_codec.h"

namespace pictavo::codecs {

// A JPEG 2000 file in memory for OpenJPEG: read from `input`, or written into
// `output` when one is given.
struct Jpeg2000Memory {
  ByteSpan input;
  Bytes* output = nullptr;
  std::size_t position = 0;
};

struct OpjStreamDeleter {
  void operator()(opj_stream_t* stream) const { opj_stream_destroy(stream); }
};
struct OpjCodecDeleter {
  void operator()(opj_codec_t* codec) const { opj_destroy_codec(codec); }
};
struct OpjImageDeleter {
  void operator()(opj_image_t* image) const { opj_image_destroy(image); }
};
using OpjStream = std::unique_ptr<opj_stream_t, OpjStreamDeleter>;
using OpjCodec = std::unique_ptr<opj_codec_t, OpjCodecDeleter>;
using OpjImage = std::unique_ptr<opj_image_t, OpjImageDeleter>;

OpjStream open_jpeg2000_stream(Jpeg2000Memory& memory);

// Routes OpenJPEG's messages: errors are kept in `error` (the first one), warnings
// and information dropped.
void capture_jpeg2000_errors(opj_codec_t* codec, std::string& error);

}  // namespace pictavo::codecs
