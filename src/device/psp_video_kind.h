#pragma once

#include <filesystem>

namespace pictavo {

// Which of the PSP's video folders a video belongs in, by its video codec.
enum class PspVideoKind { kMpeg4, kAvc, kOther };

// Reads the first video stream's codec with libavformat; kOther when the file is no
// video FFmpeg can open.
PspVideoKind psp_video_kind(const std::filesystem::path& video);

}  // namespace pictavo
