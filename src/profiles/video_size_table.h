#pragma once

#include <span>
#include <string_view>

namespace pictavo {

// A frame size a profile's size value may name.
struct VideoSize {
  int id = 0;
  int width = 0;
  int height = 0;
  std::string_view name;  // "320x240": width first
};

// The frame sizes the program makes, ids 0 to 26. "320x240" is listed twice (ids 8
// and 21, the same size); id 23, "480x272", is the PSP's full screen; ids 24 to 26
// are the HD sizes of phones, tablets and TVs, "1080x1920" standing upright (9:16).
std::span<const VideoSize> video_size_table();

// The first entry, from id 0 up, whose name equals `name` exactly (case and blanks
// count); null when none does.
const VideoSize* find_video_size(std::string_view name);

}  // namespace pictavo
