#include "image/orientation.h"

#include "image/exif_block.h"
#include "image/transform.h"

namespace pictavo {

int read_exif_orientation(std::span<const std::uint8_t> exif) {
  if (exif.empty() || exif.size() > 0xFFFF) return 1;
  const ExifDataPtr data = read_exif_block(exif);
  if (!data) return 1;
  ExifEntry* entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
  if (!entry || entry->format != EXIF_FORMAT_SHORT || entry->components < 1 || !entry->data ||
      entry->size < 2) {
    return 1;
  }
  const int orientation = exif_get_short(entry->data, exif_data_get_byte_order(data.get()));
  return orientation >= 1 && orientation <= 8 ? orientation : 1;
}

bool apply_orientation(Image& image, int orientation) {
  switch (orientation) {
    case 2:
      return mirror(image);
    case 3:
      return rotate_180(image);
    case 4:
      return flip(image);
    case 5:
      return transpose(image);
    case 6:
      return rotate_right(image);
    case 7:
      return rotate_180(image) && transpose(image);
    case 8:
      return rotate_left(image);
    default:
      return image.is_valid();
  }
}

}  // namespace pictavo
