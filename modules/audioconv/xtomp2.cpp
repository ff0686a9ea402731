// The module's C entries.
#include "audioconv/xtomp2.h"

#include "audioconv/audio_length.h"
#include "audioconv/mp2_converter.h"
#include "common/module_log.h"

#define XTOMP2_EXPORT extern "C" __attribute__((visibility("default")))

XTOMP2_EXPORT int xToMp2(const char* source, const char* destination, XToMp2Stop* stop) {
  try {
    pictavo::quiet_ffmpeg_by_default();
    return pictavo::convert_to_mp2(source, destination, stop);
  } catch (...) {
    return XTOMP2_CODEC_FAILED;
  }
}

XTOMP2_EXPORT int GetFileTimeLength(const char* path) {
  try {
    pictavo::quiet_ffmpeg_by_default();
    return pictavo::audio_length_seconds(path);
  } catch (...) {
    return 0;
  }
}
