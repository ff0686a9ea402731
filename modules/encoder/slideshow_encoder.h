#pragma once

#include <cstdint>

#include "encoder/audio_track_encoder.h"
#include "encoder/encoder_settings.h"
#include "encoder/output_file.h"
#include "encoder/video_encoder.h"

namespace pictavo {

// Writes one video file: the pictures it is given, one after the other at the
// frame rate, and the sound track kept level with them. Not thread-safe: one
// thread at a time drives it.
class SlideshowEncoder {
 public:
  // Sets up the codecs and creates the file; a ZorvResult.
  int open(const EncoderSettings& settings);

  // Encodes one I420 picture of the configured size (its pts is set here) and the
  // sound that plays until the picture's end.
  int encode(AVFrame* picture);

  // Empties the encoders, ends the sound track exactly with the last picture and
  // completes the file. On failure, the file is removed.
  int finish();
  // Removes the unfinished file.
  void abandon() { output_.abandon(); }

  int64_t frames() const { return frames_; }

 private:
  int64_t audio_samples_at(int64_t frame) const;

  OutputFile output_;
  VideoEncoder video_;
  AudioTrackEncoder audio_;
  int64_t frames_ = 0;
  static constexpr int kVideoStream = 0;  // the PSP wants the video first
  static constexpr int kAudioStream = 1;
};

}  // namespace pictavo
