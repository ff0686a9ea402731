#pragma once

#include <chrono>

namespace pictavo {

// The length of the audio in the file at `path` (UTF-8); zero when the file is
// missing, cannot be read or holds no audio. Files whose length the container
// only estimates from their bitrate (MP3 without a Xing header, ADTS AAC), and
// files whose header states a length that their size cannot hold at any bitrate
// of their codec, are measured by walking through their packets.
std::chrono::microseconds audio_duration(const char* path);

}  // namespace pictavo
