#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pictavo {

// The title a PSP lists a video by: the UTF-16 title entry of the `MTDT` table in
// the movie's `uuid` box of kind USMT, where FFmpeg's psp muxer stores the
// "title" metadata. FFmpeg's MP4 reader skips that box, so it is read here.
// Nothing when the file holds no such title.
std::optional<std::string> psp_video_title(const std::filesystem::path& video);

// The same for a whole file held in memory.
std::optional<std::string> psp_video_title_in_bytes(std::string_view file);

}  // namespace pictavo
