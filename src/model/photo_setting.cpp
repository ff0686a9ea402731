#include "model/photo_setting.h"

namespace pictavo {

void PhotoSetting::copy_from(const PhotoSetting& other) {
  tv_system = other.tv_system;
  effect.copy_from(other.effect);
  temp_folder = other.temp_folder;
  output_folder = other.output_folder;
}

}  // namespace pictavo
