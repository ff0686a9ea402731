#pragma once

#include "audioconv/xtomp2.h"

namespace pictavo {

// The one format every converted track has.
inline constexpr int kMp2SampleRate = 48000;
inline constexpr int kMp2Channels = 2;
inline constexpr int kMp2BitRate = 192000;

// Converts the audio of `source` into an MP2 file at `destination` (see xToMp2).
int convert_to_mp2(const char* source, const char* destination, const XToMp2Stop* stop);

}  // namespace pictavo
