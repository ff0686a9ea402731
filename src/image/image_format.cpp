#include "image/image_format.h"

#include <algorithm>
#include <array>
#include <string>

#include "base/lower_extension.h"

namespace pictavo {
namespace {

struct ExtensionType {
  std::string_view extension;
  ImageFormat format;
};

constexpr std::array<ExtensionType, 25> kExtensions = {{
    {"bmp", ImageFormat::kBmp},   {"gif", ImageFormat::kGif},   {"jpg", ImageFormat::kJpeg},
    {"jpeg", ImageFormat::kJpeg}, {"png", ImageFormat::kPng},   {"ico", ImageFormat::kIco},
    {"tiff", ImageFormat::kTiff}, {"tif", ImageFormat::kTiff},  {"tga", ImageFormat::kTga},
    {"pcx", ImageFormat::kPcx},   {"wbmp", ImageFormat::kWbmp}, {"wmf", ImageFormat::kWmf},
    {"emf", ImageFormat::kWmf},   {"jp2", ImageFormat::kJp2},   {"j2k", ImageFormat::kJp2},
    {"jpc", ImageFormat::kJpc},   {"j2c", ImageFormat::kJpc},   {"pgx", ImageFormat::kPgx},
    {"pnm", ImageFormat::kPnm},   {"pgm", ImageFormat::kPnm},   {"ppm", ImageFormat::kPnm},
    {"ras", ImageFormat::kRas},   {"heic", ImageFormat::kHeif}, {"heif", ImageFormat::kHeif},
    {"webp", ImageFormat::kWebp},
}};

constexpr std::array<std::string_view, 11> kBrowserExtensions = {
    "bmp", "gif", "jpg", "jpeg", "png", "ico", "tif", "tiff", "tga", "pcx", "wmf"};

}  // namespace

std::string_view format_name(ImageFormat format) {
  static constexpr std::array<std::string_view, kImageFormatCount> kNames = {
      "unknown", "BMP", "GIF", "JPEG", "PNG", "ICO", "TIFF", "TGA",  "PCX",
      "WBMP",    "WMF", "JP2", "JPC",  "PGX", "PNM", "RAS",  "HEIF", "WEBP"};
  const auto index = static_cast<std::size_t>(format);
  return index < kNames.size() ? kNames[index] : kNames[0];
}

ImageFormat image_type_of(const std::filesystem::path& path) {
  const std::string extension = lower_extension(path);
  if (extension.empty()) return ImageFormat::kUnknown;
  for (const ExtensionType& entry : kExtensions) {
    if (entry.extension == extension) return entry.format;
  }
  return ImageFormat::kUnknown;
}

ImageFormat browser_thumbnail_type_of(const std::filesystem::path& path) {
  const std::string extension = lower_extension(path);
  const bool listed = std::find(kBrowserExtensions.begin(), kBrowserExtensions.end(), extension) !=
                      kBrowserExtensions.end();
  return listed ? image_type_of(path) : ImageFormat::kUnknown;
}

}  // namespace pictavo
