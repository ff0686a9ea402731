#include "model/file_type_name.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace pictavo {
namespace {

struct TypeName {
  std::string_view extension;  // lower case, without the dot
  std::string_view name;
};

constexpr std::array<TypeName, 27> kTypeNames{{
    {"bmp", "BMP image"},
    {"gif", "GIF image"},
    {"jpg", "JPEG image"},
    {"jpeg", "JPEG image"},
    {"png", "PNG image"},
    {"ico", "Icon image"},
    {"tif", "TIFF image"},
    {"tiff", "TIFF image"},
    {"tga", "Targa image"},
    {"pcx", "PCX image"},
    {"wbmp", "WBMP image"},
    {"wmf", "Windows metafile"},
    {"emf", "Enhanced metafile"},
    {"jp2", "JPEG 2000 image"},
    {"j2k", "JPEG 2000 image"},
    {"jpc", "JPEG 2000 codestream"},
    {"j2c", "JPEG 2000 codestream"},
    {"pgx", "PGX image"},
    {"pnm", "PNM image"},
    {"pgm", "PGM image"},
    {"ppm", "PPM image"},
    {"ras", "Sun raster image"},
    {"heic", "HEIC image"},
    {"heif", "HEIF image"},
    {"webp", "WebP image"},
    {"mp3", "MP3 audio"},
    {"wav", "WAV audio"},
}};

}  // namespace

std::string file_type_name(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  if (extension.size() <= 1) return "File";
  extension.erase(0, 1);
  std::string lower = extension;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const TypeName& type : kTypeNames) {
    if (type.extension == lower) return std::string(type.name);
  }
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return extension + " file";
}

}  // namespace pictavo
