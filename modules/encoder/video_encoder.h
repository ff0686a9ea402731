#pragma once

#include "audio/av_handles.h"
#include "encoder/encoder_settings.h"

namespace pictavo {

// The H.264 level a PSP-style stream of this size and rate needs: 2.1 while it
// fits (the PSP's 320x240 and 368x208 videos), 3.0 for 480x272 up to 720x576,
// then 3.1, 3.2 and 4.0.
int h264_level_for(int width, int height, AVRational frame_rate);

// The video codec behind a codec name, configured for what the PSP plays.
class VideoEncoder {
 public:
  // Opens the encoder; `global_header` puts its headers out of band, as MP4 wants.
  int open(const EncoderSettings& settings, bool global_header);
  AVCodecContext* context() const { return context_.get(); }

 private:
  av::CodecContextPtr context_;
};

}  // namespace pictavo
