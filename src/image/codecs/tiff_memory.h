#pragma once

#include <tiffio.h>

#include <memory>
#include <string>

#include "image/image_codec.h"

namespace pictavo::codecs {

// A TIFF file in memory: libtiff reads the given bytes in place, or writes into
// `output` when one is given. The first error libtiff reports is kept.
struct TiffMemory {
  ByteSpan input;
  Bytes* output = nullptr;
  toff_t position = 0;
  std::string error;

  ByteSpan contents() const { return output ? ByteSpan(*output) : input; }
};

struct TiffCloser {
  void operator()(TIFF* tif) const { TIFFClose(tif); }
};
using TiffFile = std::unique_ptr<TIFF, TiffCloser>;

// Opens the memory file with mode "r" or "w". No single buffer libtiff allocates
// may exceed a whole picture's pixels at the size limit.
TiffFile open_tiff(TiffMemory& memory, const char* mode);

}  // namespace pictavo::codecs
