#include "model/photo_pictures.h"

#include "model/photo_item.h"
#include "render/image_file.h"
#include "render/image_format.h"
#include "render/image_limits.h"

namespace pictavo {

bool can_decode_photo(const std::filesystem::path& path) {
  const Result<ImageInfo> info = probe_image_file(path, image_type_of(path));
  return info && image_size_refusal(info->width, info->height).empty();
}

// The cover picture is drawn by photo preparation, which is still to come.
void write_cover(const PhotoItem&, const std::filesystem::path&) {}

}  // namespace pictavo
