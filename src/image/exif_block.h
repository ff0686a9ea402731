#pragma once

#include <libexif/exif-data.h>

#include <cstdint>
#include <memory>
#include <span>

namespace pictavo {

struct ExifDataUnref {
  void operator()(ExifData* data) const { exif_data_unref(data); }
};
using ExifDataPtr = std::unique_ptr<ExifData, ExifDataUnref>;

// An EXIF block (beginning "Exif\0\0", a JPEG's APP1 payload) as far as libexif
// reads it, for single tags to be looked up: maker notes are left alone, and so is
// the block itself (libexif's repairs towards the EXIF standard are off). Null when
// there is no memory.
ExifDataPtr read_exif_block(std::span<const std::uint8_t> bytes);

}  // namespace pictavo
