#pragma once

#include <cstdint>
#include <string>

#include "audio/av_handles.h"

namespace pictavo {

// The sample layout a reader delivers.
struct AudioFormat {
  AVSampleFormat sample_format = AV_SAMPLE_FMT_S16;
  int sample_rate = 48000;
  int channels = 2;
};

// Decodes the best audio stream of a file and converts it, in one resampling
// step, to a fixed AudioFormat, whatever the file's own rate, channels and sample
// format (even when they change inside the file). Packets that do not decode are
// skipped, as players do, so a damaged file gives what can be heard of it.
class AudioReader {
 public:
  AudioReader() = default;
  ~AudioReader();
  AudioReader(const AudioReader&) = delete;
  AudioReader& operator=(const AudioReader&) = delete;

  // False when the file cannot be read as media, holds no audio or its decoder is
  // missing; error() then says why.
  bool open(const char* path, const AudioFormat& format);

  // Reads up to `count` samples into `planes` (one plane per channel for planar
  // formats, else one), each with room for `count` samples. Returns how many were
  // read: fewer than `count` only at the end of the audio; negative on a read
  // failure (error() says why).
  int read(uint8_t** planes, int count);

  // Samples delivered so far.
  int64_t samples_read() const { return samples_read_; }
  const std::string& error() const { return error_; }

 private:
  int fill(int count);
  int decode(const AVPacket* packet);
  int convert(const AVFrame* frame);
  int configure_resampler(const AVFrame* frame);
  int drain_resampler();
  int push_converted(const uint8_t* const* input, int input_samples);
  int fail(int code, const char* what);

  AudioFormat format_;
  AVChannelLayout layout_{};
  av::InputPtr input_;
  int stream_index_ = -1;
  av::CodecContextPtr decoder_;
  av::ResamplerPtr resampler_;
  av::FifoPtr fifo_;
  av::PacketPtr packet_;
  av::FramePtr frame_;
  av::FramePtr converted_;  // the resampler's output, reused while it is large enough
  // The input layout the resampler was set up for; a change re-creates it.
  int resampler_rate_ = 0;
  int resampler_format_ = -1;
  AVChannelLayout resampler_layout_{};
  bool input_ended_ = false;
  int64_t samples_read_ = 0;
  std::string error_;
};

}  // namespace pictavo
