#include "model/file_type_name.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "base/translation_mark.h"

namespace pictavo {
namespace {

struct TypeName {
  std::string_view extension;  // lower case, without the dot
  std::string_view name;
};

constexpr std::array<TypeName, 27> kTypeNames{{
    {"bmp", QT_TRANSLATE_NOOP("Engine", "BMP image")},
    {"gif", QT_TRANSLATE_NOOP("Engine", "GIF image")},
    {"jpg", QT_TRANSLATE_NOOP("Engine", "JPEG image")},
    {"jpeg", QT_TRANSLATE_NOOP("Engine", "JPEG image")},
    {"png", QT_TRANSLATE_NOOP("Engine", "PNG image")},
    {"ico", QT_TRANSLATE_NOOP("Engine", "Icon image")},
    {"tif", QT_TRANSLATE_NOOP("Engine", "TIFF image")},
    {"tiff", QT_TRANSLATE_NOOP("Engine", "TIFF image")},
    {"tga", QT_TRANSLATE_NOOP("Engine", "Targa image")},
    {"pcx", QT_TRANSLATE_NOOP("Engine", "PCX image")},
    {"wbmp", QT_TRANSLATE_NOOP("Engine", "WBMP image")},
    {"wmf", QT_TRANSLATE_NOOP("Engine", "Windows metafile")},
    {"emf", QT_TRANSLATE_NOOP("Engine", "Enhanced metafile")},
    {"jp2", QT_TRANSLATE_NOOP("Engine", "JPEG 2000 image")},
    {"j2k", QT_TRANSLATE_NOOP("Engine", "JPEG 2000 image")},
    {"jpc", QT_TRANSLATE_NOOP("Engine", "JPEG 2000 codestream")},
    {"j2c", QT_TRANSLATE_NOOP("Engine", "JPEG 2000 codestream")},
    {"pgx", QT_TRANSLATE_NOOP("Engine", "PGX image")},
    {"pnm", QT_TRANSLATE_NOOP("Engine", "PNM image")},
    {"pgm", QT_TRANSLATE_NOOP("Engine", "PGM image")},
    {"ppm", QT_TRANSLATE_NOOP("Engine", "PPM image")},
    {"ras", QT_TRANSLATE_NOOP("Engine", "Sun raster image")},
    {"heic", QT_TRANSLATE_NOOP("Engine", "HEIC image")},
    {"heif", QT_TRANSLATE_NOOP("Engine", "HEIF image")},
    {"webp", QT_TRANSLATE_NOOP("Engine", "WebP image")},
    {"mp3", QT_TRANSLATE_NOOP("Engine", "MP3 audio")},
    {"wav", QT_TRANSLATE_NOOP("Engine", "WAV audio")},
}};

}  // namespace

std::string file_type_name(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  if (extension.size() <= 1) return QT_TRANSLATE_NOOP("Engine", "File");
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
