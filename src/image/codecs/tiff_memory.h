#pragma once

#include <tiffio.h>

#include <memory>
#include <string>

#include "image/image_codec.h"

namespace pictavo::codecs {

// A TIFF file for libtiff: it reads the given bytes in place, or the given file a
// part at a time, or writes into `output` when one is given. The first error
// libtiff reports is kept.
struct TiffMemory {
  ByteSpan input;
  const FileInput* file = nullptr;
  Bytes* output = nullptr;
  toff_t position = 0;
  std::string error;

  std::uint64_t size() const;
  // Reads up to `count` bytes at `offset`; how many it read.
  std::size_t read_at(std::uint64_t offset, void* out, std::size_t count) const;
};

struct TiffCloser {
  void operator()(TIFF* tif) const { TIFFClose(tif); }
};
using TiffFile = std::unique_ptr<TIFF, TiffCloser>;

// Opens the memory file with mode "r" or "w". No single buffer libtiff allocates
// may exceed a whole picture's pixels at the size limit.
TiffFile open_tiff(TiffMemory& memory, const char* mode);

}  // namespace pictavo::codecs
