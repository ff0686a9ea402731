#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "base/calendar_date.h"

namespace pictavo {

// The day a photo was taken, from its EXIF DateTimeOriginal (else DateTimeDigitized):
// of a JPEG file from its APP1 block, of a HEIF file from its Exif item, of PNG and
// WebP files from their EXIF chunk, of a TIFF file from its EXIF directory. Nothing
// for other files, for photos without the tag and for a tag that names no day.
std::optional<CalendarDate> read_date_taken(const std::filesystem::path& file);

// The same of an EXIF block beginning "Exif\0\0" (a JPEG's APP1 payload).
std::optional<CalendarDate> exif_date_taken(std::span<const std::uint8_t> bytes);

}  // namespace pictavo
