#include "model/photo_pictures.h"

#include <system_error>

#include "model/photo_item.h"

namespace pictavo {

// Placeholders until the image layer is in: any non-empty file counts as a picture
// and no cover picture is drawn.
bool can_decode_photo(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error) &&
         std::filesystem::file_size(path, error) > 0 && !error;
}

void write_cover(const PhotoItem&, const std::filesystem::path&) {}

}  // namespace pictavo
