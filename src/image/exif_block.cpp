#include "image/exif_block.h"

namespace pictavo {

ExifDataPtr read_exif_block(std::span<const std::uint8_t> bytes) {
  ExifDataPtr data(exif_data_new());
  if (!data) return data;
  exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
  exif_data_set_option(data.get(), EXIF_DATA_OPTION_DONT_CHANGE_MAKER_NOTE);
  exif_data_load_data(data.get(), bytes.data(), static_cast<unsigned int>(bytes.size()));
  return data;
}

}  // namespace pictavo
