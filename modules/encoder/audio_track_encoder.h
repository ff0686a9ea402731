#pragma once

#include <cstdint>
#include <optional>

#include "audio/audio_reader.h"
#include "audio/av_handles.h"
#include "encoder/encoder_settings.h"
#include "encoder/output_file.h"

namespace pictavo {

// The video's sound track: the music file decoded and resampled once to the
// encoder's format, followed by silence when it ends, or silence alone when the
// music cannot be read. The caller says how far the track has to reach, so it
// stays interleaved with the pictures and ends exactly with them. With a fade-out
// the track stays that far behind the pictures, so that the fade can end where
// the pictures end, which is known only when they do.
class AudioTrackEncoder {
 public:
  int open(const EncoderSettings& settings, bool global_header);
  AVCodecContext* context() const { return context_.get(); }

  // Encodes every whole frame of audio that ends at or before `samples`.
  int encode_until(int64_t samples, OutputFile& output, int stream);
  // Encodes the track up to exactly `samples` and empties the encoder.
  int finish(int64_t samples, OutputFile& output, int stream);

 private:
  int encode_frame(int samples, OutputFile& output, int stream);
  void fade(AVFrame& frame) const;

  av::CodecContextPtr context_;
  av::FramePtr frame_;
  std::optional<AudioReader> music_;  // empty once the music has ended
  int64_t next_sample_ = 0;
  int64_t fade_samples_ = 0;  // the length of the fade-out; 0 without one
  int64_t end_sample_ = -1;   // where the track ends, once finish() knows
};

}  // namespace pictavo
