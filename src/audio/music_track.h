#pragma once

#include <filesystem>

namespace pictavo {

// What music preparation needs to know of one track of a slideshow.
struct MusicTrack {
  std::filesystem::path source_path;     // the user's music file
  std::filesystem::path converted_path;  // where its MP2 copy goes
  int seconds = 0;                       // its measured length
};

}  // namespace pictavo
