#pragma once

#include <span>

#include "audioconv/xtomp2.h"

namespace pictavo {

// The one format every converted track has.
inline constexpr int kMp2SampleRate = 48000;
inline constexpr int kMp2Channels = 2;
inline constexpr int kMp2BitRate = 192000;

// Converts the audio of `sources`, the whole list `passes` times, through one
// encoder into an MP2 file at `destination` (see xToMp2Joined). `failed_source`,
// when given, receives the index of the source that could not be used, else -1.
int convert_to_mp2(std::span<const char* const> sources, int passes, const char* destination,
                   const XToMp2Stop* stop, int* failed_source = nullptr);

}  // namespace pictavo
