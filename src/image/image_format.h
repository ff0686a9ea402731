#pragma once

#include <filesystem>
#include <string_view>

namespace pictavo {

// The picture types, numbered as the project files and the photo code know them.
enum class ImageFormat {
  kUnknown = 0,
  kBmp = 1,
  kGif = 2,
  kJpeg = 3,
  kPng = 4,
  kIco = 5,
  kTiff = 6,
  kTga = 7,
  kPcx = 8,
  kWbmp = 9,
  kWmf = 10,
  kJp2 = 11,
  kJpc = 12,
  kPgx = 13,
  kPnm = 14,
  kRas = 15,
  kHeif = 16,
  kWebp = 17,
};

inline constexpr int kImageFormatCount = 18;  // including kUnknown

// Short upper-case name ("JPEG", "TIFF"), "unknown" for kUnknown.
std::string_view format_name(ImageFormat format);

// The picture type of a path by its extension (the text after the last "." of the
// file name, lower-cased): every extension the program decodes or encodes.
// kUnknown for any other extension and for none.
ImageFormat image_type_of(const std::filesystem::path& path);

// The narrower map of the folder browser's thumbnail loader: bmp, gif, jpg, jpeg,
// png, ico, tif, tiff, tga, pcx and wmf only; kUnknown (not opened) for the rest.
ImageFormat browser_thumbnail_type_of(const std::filesystem::path& path);

}  // namespace pictavo
