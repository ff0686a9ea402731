#pragma once

#include <filesystem>

namespace pictavo {

// The audio converter module of the program folder.
inline constexpr char kAudioConverterModule[] = "libxToMp2.so";

// The length of an audio file in whole seconds, measured by the audio converter
// module (loaded for this call only): 0 for a file without audio, 0 when the module
// lacks its duration entry, and 1 when the module cannot be loaded at all.
int track_seconds(const std::filesystem::path& path);

}  // namespace pictavo
