// The module's C entries: one video file at a time, driven from one thread.
#include "encoder/zorv_encoder.h"

#include <algorithm>
#include <memory>
#include <string>

#include "common/module_log.h"
#include "encoder/encoder_settings.h"
#include "encoder/encoder_thread.h"
#include "encoder/slideshow_encoder.h"

#define ZORV_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

using pictavo::EncoderThread;

// The video being written. Its destructor runs when the module is unloaded, so
// a caller that never calls closeEncoder still gets a complete file and no
// encoding thread is left running in unmapped code.
std::unique_ptr<EncoderThread> encoding;
// What EncOneFrame and closeEncoder report while no video is being written.
int idle_result = ZORV_ERROR_NOT_STARTED;
// The title for the next initEncoder.
std::string next_title;
// The format for the next initEncoder.
std::string next_format;
// What setMusicFadeOut asked for, for the videos started after it.
double music_fade_out_seconds = 0;

int refuse(int result) {
  idle_result = result;
  return result;
}

int start(const pictavo::EncoderArguments& arguments) {
  std::string problem;
  std::optional<pictavo::EncoderSettings> settings =
      pictavo::parse_encoder_settings(arguments, problem);
  if (!settings) {
    pictavo::module_log("ZorvEncoder: cannot make %s: %s",
                        arguments.output_path ? arguments.output_path : "(none)", problem.c_str());
    return refuse(ZORV_ERROR_SETTINGS);
  }
  settings->fade_out_seconds = music_fade_out_seconds;
  auto encoder = std::make_unique<pictavo::SlideshowEncoder>();
  if (const int opened = encoder->open(*settings); opened != ZORV_OK) return refuse(opened);
  encoding = EncoderThread::start(std::move(encoder), settings->width, settings->height);
  if (!encoding) {
    pictavo::module_log("ZorvEncoder: cannot start the encoding thread");
    return refuse(ZORV_ERROR_ENCODING);
  }
  return ZORV_OK;
}

}  // namespace

ZORV_EXPORT int initEncoder(int width, int height, const char* output_path,
                            const char* /*raw_frame_path*/, const char* audio_path,
                            const char* audio_codec, const char* audio_bitrate,
                            const char* sample_rate, const char* audio_channel,
                            const char* video_codec, const char* video_bitrate,
                            const char* /*frame_size_name*/, const char* frame_rate) {
  try {
    pictavo::quiet_ffmpeg_by_default();
    encoding.reset();
    const std::string title = std::move(next_title);
    next_title.clear();
    const std::string format = std::move(next_format);
    next_format.clear();
    return start(pictavo::EncoderArguments{
        width, height, output_path, audio_path, audio_codec, audio_bitrate, sample_rate,
        audio_channel, video_codec, video_bitrate, frame_rate, title.c_str(), format.c_str()});
  } catch (...) {
    return refuse(ZORV_ERROR_ENCODING);
  }
}

ZORV_EXPORT void setEncoderTitle(const char* title) {
  try {
    next_title = title != nullptr ? title : "";
  } catch (...) {
    next_title.clear();  // no memory: the file's base name will do
  }
}

ZORV_EXPORT void setOutputFormat(const char* format) {
  try {
    next_format = format != nullptr ? format : "";
  } catch (...) {
    next_format = "?";  // no memory: refused by initEncoder rather than made for the PSP
  }
}

ZORV_EXPORT void setMusicFadeOut(double seconds) {
  music_fade_out_seconds = seconds > 0 ? std::min(seconds, 10.0) : 0.0;
}

ZORV_EXPORT int EncOneFrame(const unsigned char* i420_frame) {
  if (!encoding) return idle_result;
  if (i420_frame == nullptr) return ZORV_ERROR_ENCODING;
  try {
    return encoding->push(i420_frame);
  } catch (...) {
    return ZORV_ERROR_ENCODING;
  }
}

ZORV_EXPORT int closeEncoder(void) {
  if (!encoding) {
    const int result = idle_result;
    idle_result = ZORV_ERROR_NOT_STARTED;
    return result;
  }
  int result = ZORV_ERROR_ENCODING;
  try {
    result = encoding->finish();
  } catch (...) {
  }
  encoding.reset();
  idle_result = ZORV_ERROR_NOT_STARTED;
  return result;
}
