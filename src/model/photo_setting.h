#pragma once

#include <filesystem>

#include "model/effect_record.h"

namespace pictavo {

// The setting of one photo, and the project's default setting that new photos copy
// (its TV system and folders are the project's).
struct PhotoSetting {
  int tv_system = 0;  // 0 NTSC, else PAL (frame_rate)
  EffectRecord effect;
  std::filesystem::path working_folder;
  // Placeholders until the project has a working folder.
  std::filesystem::path temp_folder = "p:/temp";
  std::filesystem::path output_folder = "p:/dvd";

  // The user-level copy (a photo added, the project's setting applied to all
  // photos): TV system, the effect as EffectRecord::copy_from does it, and the two
  // folders; the working folder stays as it was.
  void copy_from(const PhotoSetting& other);
};

}  // namespace pictavo
