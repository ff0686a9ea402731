#include "encoder/audio_track_encoder.h"

#include "common/module_log.h"
#include "encoder/zorv_encoder.h"

extern "C" {
#include <libavutil/samplefmt.h>
}

namespace pictavo {
namespace {

bool supports_rate(const AVCodec* codec, int rate) {
  if (codec->supported_samplerates == nullptr) return true;
  for (const int* supported = codec->supported_samplerates; *supported != 0; ++supported) {
    if (*supported == rate) return true;
  }
  return false;
}

// Multiplies one sample of a packed `format` by `gain` (0 to 1).
void scale_sample(std::uint8_t* samples, int index, AVSampleFormat format, double gain) {
  switch (format) {
    case AV_SAMPLE_FMT_FLT:
      reinterpret_cast<float*>(samples)[index] *= static_cast<float>(gain);
      break;
    case AV_SAMPLE_FMT_DBL:
      reinterpret_cast<double*>(samples)[index] *= gain;
      break;
    case AV_SAMPLE_FMT_S16: {
      auto& sample = reinterpret_cast<std::int16_t*>(samples)[index];
      sample = static_cast<std::int16_t>(sample * gain);
      break;
    }
    case AV_SAMPLE_FMT_S32: {
      auto& sample = reinterpret_cast<std::int32_t*>(samples)[index];
      sample = static_cast<std::int32_t>(sample * gain);
      break;
    }
    default:  // unsigned 8 bit: no encoder the module uses takes it
      break;
  }
}

}  // namespace

int AudioTrackEncoder::open(const EncoderSettings& settings, bool global_header) {
  const char* name = settings.audio_codec == AudioCodec::kAac ? "aac" : "libmp3lame";
  const AVCodec* codec = avcodec_find_encoder_by_name(name);
  if (codec == nullptr || codec->sample_fmts == nullptr) {
    module_log("ZorvEncoder: this FFmpeg has no %s encoder", name);
    return ZORV_ERROR_SETTINGS;
  }
  if (!supports_rate(codec, settings.sample_rate)) {
    module_log("ZorvEncoder: the %s encoder cannot use %d Hz", name, settings.sample_rate);
    return ZORV_ERROR_SETTINGS;
  }
  context_.reset(avcodec_alloc_context3(codec));
  frame_.reset(av_frame_alloc());
  if (!context_ || !frame_) return ZORV_ERROR_ENCODING;
  AVCodecContext* context = context_.get();
  context->sample_fmt = codec->sample_fmts[0];
  context->sample_rate = settings.sample_rate;
  av_channel_layout_default(&context->ch_layout, settings.channels);
  context->bit_rate = settings.audio_bitrate;
  context->time_base = AVRational{1, settings.sample_rate};
  if (settings.audio_codec == AudioCodec::kAac) context->profile = FF_PROFILE_AAC_LOW;
  if (global_header) context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  if (const int opened = avcodec_open2(context, codec, nullptr); opened < 0) {
    module_log("ZorvEncoder: the %s encoder refuses %d Hz, %d channel(s), %lld bit/s: %s", name,
               settings.sample_rate, settings.channels,
               static_cast<long long>(settings.audio_bitrate), av::error_text(opened).c_str());
    return ZORV_ERROR_SETTINGS;
  }

  frame_->format = context->sample_fmt;
  frame_->sample_rate = context->sample_rate;
  frame_->nb_samples = context->frame_size;
  if (av_channel_layout_copy(&frame_->ch_layout, &context->ch_layout) < 0 ||
      av_frame_get_buffer(frame_.get(), 0) < 0) {
    return ZORV_ERROR_ENCODING;
  }

  fade_samples_ = static_cast<int64_t>(settings.fade_out_seconds * settings.sample_rate);
  music_.emplace();
  if (!music_->open(settings.audio_path.c_str(),
                    AudioFormat{context->sample_fmt, settings.sample_rate, settings.channels})) {
    module_log("ZorvEncoder: music %s not usable (%s), the video gets a silent sound track",
               settings.audio_path.c_str(), music_->error().c_str());
    music_.reset();
  }
  return ZORV_OK;
}

int AudioTrackEncoder::encode_until(int64_t samples, OutputFile& output, int stream) {
  const int frame_size = context_->frame_size;
  const int64_t reach = end_sample_ < 0 ? samples - fade_samples_ : samples;
  while (next_sample_ + frame_size <= reach) {
    if (const int result = encode_frame(frame_size, output, stream); result != ZORV_OK) {
      return result;
    }
  }
  return ZORV_OK;
}

int AudioTrackEncoder::finish(int64_t samples, OutputFile& output, int stream) {
  end_sample_ = samples;
  if (const int result = encode_until(samples, output, stream); result != ZORV_OK) return result;
  const int rest = static_cast<int>(samples - next_sample_);
  if (rest > 0) {
    // Encoders that take only whole frames get the last one filled up with silence.
    const bool takes_short_frame =
        (context_->codec->capabilities & AV_CODEC_CAP_SMALL_LAST_FRAME) != 0;
    const int result =
        encode_frame(takes_short_frame ? rest : context_->frame_size, output, stream);
    if (result != ZORV_OK) return result;
  }
  return output.encode(stream, context_.get(), nullptr);
}

int AudioTrackEncoder::encode_frame(int samples, OutputFile& output, int stream) {
  if (av_frame_make_writable(frame_.get()) < 0) return ZORV_ERROR_ENCODING;
  frame_->nb_samples = samples;
  int heard = 0;
  if (music_) {
    heard = music_->read(frame_->data, samples);
    if (heard < samples) {
      if (heard < 0) {
        module_log("ZorvEncoder: the music stops early: %s", music_->error().c_str());
        heard = 0;
      }
      music_.reset();
    }
  }
  av_samples_set_silence(frame_->data, heard, samples - heard, context_->ch_layout.nb_channels,
                         context_->sample_fmt);
  if (fade_samples_ > 0 && end_sample_ >= 0) fade(*frame_);
  frame_->pts = next_sample_;
  next_sample_ += samples;
  return output.encode(stream, context_.get(), frame_.get());
}

void AudioTrackEncoder::fade(AVFrame& frame) const {
  const int channels = frame.ch_layout.nb_channels;
  const auto format = static_cast<AVSampleFormat>(frame.format);
  const bool planar = av_sample_fmt_is_planar(format) != 0;
  for (int i = 0; i < frame.nb_samples; ++i) {
    const int64_t left = end_sample_ - (next_sample_ + i);
    if (left >= fade_samples_) continue;
    const double gain = left > 0 ? static_cast<double>(left) / fade_samples_ : 0.0;
    for (int channel = 0; channel < channels; ++channel) {
      std::uint8_t* plane = frame.extended_data[planar ? channel : 0];
      const int index = planar ? i : i * channels + channel;
      scale_sample(plane, index, av_get_packed_sample_fmt(format), gain);
    }
  }
}

}  // namespace pictavo
