#include "audio/audio_reader.h"

#include <algorithm>

namespace pictavo {
namespace {

// Real audio lies well inside this range; a damaged header claiming a rate far
// outside it would make resampling crawl.
bool is_usable_rate(int rate) {
  return rate >= 1000 && rate <= 768000;
}

}  // namespace

AudioReader::~AudioReader() {
  av_channel_layout_uninit(&layout_);
  av_channel_layout_uninit(&resampler_layout_);
}

bool AudioReader::open(const char* path, const AudioFormat& format) {
  format_ = format;
  av_channel_layout_uninit(&layout_);
  av_channel_layout_default(&layout_, format.channels);
  input_ = av::open_audio_input(path, stream_index_);
  if (!input_) {
    error_ = "not a readable media file";
    return false;
  }
  if (stream_index_ < 0) {
    error_ = "no audio stream";
    return false;
  }
  for (unsigned i = 0; i < input_->nb_streams; ++i) {
    if (static_cast<int>(i) != stream_index_) input_->streams[i]->discard = AVDISCARD_ALL;
  }
  const AVCodecParameters* parameters = input_->streams[stream_index_]->codecpar;
  if (parameters->sample_rate != 0 && !is_usable_rate(parameters->sample_rate)) {
    error_ = "unusable sample rate " + std::to_string(parameters->sample_rate);
    return false;
  }
  const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
  if (codec == nullptr) {
    error_ = "no decoder for its audio";
    return false;
  }
  decoder_.reset(avcodec_alloc_context3(codec));
  if (!decoder_ || avcodec_parameters_to_context(decoder_.get(), parameters) < 0 ||
      avcodec_open2(decoder_.get(), codec, nullptr) < 0) {
    error_ = "its audio decoder cannot be opened";
    return false;
  }
  fifo_.reset(av_audio_fifo_alloc(format.sample_format, format.channels, 4096));
  packet_.reset(av_packet_alloc());
  frame_.reset(av_frame_alloc());
  converted_.reset(av_frame_alloc());
  if (!fifo_ || !packet_ || !frame_ || !converted_) {
    error_ = "out of memory";
    return false;
  }
  return true;
}

int AudioReader::read(uint8_t** planes, int count) {
  if (!fifo_) return AVERROR(EINVAL);
  if (const int filled = fill(count); filled < 0) return filled;
  const int available = std::min(count, av_audio_fifo_size(fifo_.get()));
  const int got = av_audio_fifo_read(fifo_.get(), reinterpret_cast<void**>(planes), available);
  if (got > 0) samples_read_ += got;
  return got;
}

int AudioReader::fail(int code, const char* what) {
  error_ = std::string(what) + ": " + av::error_text(code);
  return code;
}

int AudioReader::fill(int count) {
  while (av_audio_fifo_size(fifo_.get()) < count && !input_ended_) {
    const int result = av_read_frame(input_.get(), packet_.get());
    if (result == AVERROR_EOF) {
      input_ended_ = true;
      if (const int drained = decode(nullptr); drained < 0) return drained;
      return drain_resampler();
    }
    if (result < 0) return fail(result, "reading failed");
    const int decoded = packet_->stream_index == stream_index_ ? decode(packet_.get()) : 0;
    av_packet_unref(packet_.get());
    if (decoded < 0) return decoded;
  }
  return 0;
}

// Decoding errors lose only the damaged packet; running out of memory ends the read.
int AudioReader::decode(const AVPacket* packet) {
  const int sent = avcodec_send_packet(decoder_.get(), packet);
  if (sent == AVERROR(ENOMEM)) return fail(sent, "decoding failed");
  if (sent < 0 && packet != nullptr) return 0;
  while (true) {
    const int received = avcodec_receive_frame(decoder_.get(), frame_.get());
    if (received == AVERROR(ENOMEM)) return fail(received, "decoding failed");
    if (received < 0) return 0;
    const int converted = convert(frame_.get());
    av_frame_unref(frame_.get());
    if (converted < 0) return converted;
  }
}

int AudioReader::convert(const AVFrame* frame) {
  if (frame->nb_samples <= 0 || frame->ch_layout.nb_channels <= 0) return 0;
  const bool same_input = resampler_ && frame->sample_rate == resampler_rate_ &&
                          frame->format == resampler_format_ &&
                          frame->ch_layout.nb_channels == resampler_layout_.nb_channels;
  if (!same_input) {
    if (const int configured = configure_resampler(frame); configured < 0) return configured;
  }
  return push_converted(frame->extended_data, frame->nb_samples);
}

int AudioReader::configure_resampler(const AVFrame* frame) {
  if (!is_usable_rate(frame->sample_rate)) return fail(AVERROR_INVALIDDATA, "unusable sample rate");
  if (const int drained = drain_resampler(); drained < 0) return drained;
  av_channel_layout_uninit(&resampler_layout_);
  // Files such as WAV without a channel mask leave the order unknown: their
  // channels are taken in the usual order for that count.
  if (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC) {
    av_channel_layout_default(&resampler_layout_, frame->ch_layout.nb_channels);
  } else if (const int copied = av_channel_layout_copy(&resampler_layout_, &frame->ch_layout);
             copied < 0) {
    return fail(copied, "channel layout");
  }
  SwrContext* context = nullptr;
  int result = swr_alloc_set_opts2(&context, &layout_, format_.sample_format, format_.sample_rate,
                                   &resampler_layout_, static_cast<AVSampleFormat>(frame->format),
                                   frame->sample_rate, 0, nullptr);
  resampler_.reset(context);
  if (result >= 0) result = swr_init(context);
  if (result < 0) {
    resampler_.reset();
    return fail(result, "resampling cannot be set up");
  }
  resampler_rate_ = frame->sample_rate;
  resampler_format_ = frame->format;
  return 0;
}

int AudioReader::drain_resampler() {
  if (!resampler_) return 0;
  int pushed = 0;
  do {
    pushed = push_converted(nullptr, 0);
  } while (pushed > 0);
  return pushed;
}

// Converts `input_samples` samples (none: the resampler's remaining ones) into the
// FIFO; returns how many samples came out.
int AudioReader::push_converted(const uint8_t* const* input, int input_samples) {
  const int capacity = swr_get_out_samples(resampler_.get(), input_samples);
  if (capacity <= 0) return capacity;
  if (converted_->nb_samples < capacity) {
    av_frame_unref(converted_.get());
    converted_->format = format_.sample_format;
    converted_->nb_samples = capacity;
    if (av_channel_layout_copy(&converted_->ch_layout, &layout_) < 0 ||
        av_frame_get_buffer(converted_.get(), 0) < 0) {
      return fail(AVERROR(ENOMEM), "resampling");
    }
  }
  const int converted = swr_convert(resampler_.get(), converted_->extended_data, capacity,
                                    const_cast<const uint8_t**>(input), input_samples);
  if (converted < 0) return fail(converted, "resampling failed");
  if (converted > 0 &&
      av_audio_fifo_write(fifo_.get(), reinterpret_cast<void**>(converted_->extended_data),
                          converted) < converted) {
    return fail(AVERROR(ENOMEM), "buffering");
  }
  return converted;
}

}  // namespace pictavo
