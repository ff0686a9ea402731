#pragma once

#include "audio/av_handles.h"
#include "encoder/encoder_settings.h"

namespace pictavo {

// The lowest H.264 level, from 2.1 up, whose limits a PSP-style stream of these
// settings keeps: frame size, macroblocks a second, two reference frames in the
// picture buffer, the bitrate and its two-second buffer. Every PSP size up to
// 480x272 at 29.97 frames a second is 2.1; larger streams get the first level
// that holds them (the highest when none does).
int h264_level_for(const EncoderSettings& settings);

// The video codec behind a codec name, configured for what the PSP plays, or for
// ordinary players when the settings ask for a plain MP4.
class VideoEncoder {
 public:
  // Opens the encoder; `global_header` puts its headers out of band, as MP4 wants.
  int open(const EncoderSettings& settings, bool global_header);
  AVCodecContext* context() const { return context_.get(); }

 private:
  av::CodecContextPtr context_;
};

}  // namespace pictavo
