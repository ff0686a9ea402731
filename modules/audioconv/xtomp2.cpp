// The module's C entries.
#include "audioconv/xtomp2.h"

#include <chrono>
#include <climits>
#include <span>

#include "audio/audio_duration.h"
#include "audioconv/mp2_converter.h"
#include "common/module_log.h"

#define XTOMP2_EXPORT extern "C" __attribute__((visibility("default")))

XTOMP2_EXPORT int xToMp2(const char* source, const char* destination, XToMp2Stop* stop) {
  try {
    pictavo::quiet_ffmpeg_by_default();
    const char* const sources[] = {source};
    return pictavo::convert_to_mp2(sources, 1, destination, stop);
  } catch (...) {
    return XTOMP2_CODEC_FAILED;
  }
}

XTOMP2_EXPORT int xToMp2Joined(const char* const* sources, int count, int passes,
                               const char* destination, XToMp2Stop* stop, int* failed_source) {
  try {
    pictavo::quiet_ffmpeg_by_default();
    const std::size_t size = sources != nullptr && count > 0 ? static_cast<std::size_t>(count) : 0;
    const std::span<const char* const> list(sources, size);
    return pictavo::convert_to_mp2(list, passes, destination, stop, failed_source);
  } catch (...) {
    return XTOMP2_CODEC_FAILED;
  }
}

XTOMP2_EXPORT int GetFileTimeLength(const char* path) {
  try {
    pictavo::quiet_ffmpeg_by_default();
    const auto seconds =
        std::chrono::floor<std::chrono::seconds>(pictavo::audio_duration(path)).count();
    return seconds > INT_MAX ? INT_MAX : static_cast<int>(seconds);
  } catch (...) {
    return 0;
  }
}
