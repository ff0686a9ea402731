#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/shared_module.h"

namespace pictavo {

// The audio converter module of the program folder.
inline constexpr char kAudioConverterModule[] = "libxToMp2.so";

// Loads the audio converter module from the program folder for one use; nothing,
// with the loader's reason in `error`, when it cannot be loaded.
Result<SharedModule> load_audio_converter_module();

// The length of an audio file in whole seconds, measured by the audio converter
// module (loaded for this call only): 0 for a file without audio, 0 when the module
// lacks its duration entry, and 1 when the module cannot be loaded at all.
int track_seconds(const std::filesystem::path& path);

// What a failure code of the converter's xToMp2 means, for the user.
std::string converter_failure_text(int code);

}  // namespace pictavo
