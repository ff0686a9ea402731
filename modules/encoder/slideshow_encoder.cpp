#include "encoder/slideshow_encoder.h"

#include "encoder/zorv_encoder.h"

namespace pictavo {

int SlideshowEncoder::open(const EncoderSettings& settings) {
  int result = output_.create(settings.output_path, settings.container);
  if (result == ZORV_OK) result = video_.open(settings, output_.needs_global_header());
  if (result == ZORV_OK) result = audio_.open(settings, output_.needs_global_header());
  if (result == ZORV_OK) result = output_.add_stream(video_.context());
  if (result == ZORV_OK) result = output_.add_stream(audio_.context());
  if (result == ZORV_OK) result = output_.start(settings.title);
  if (result != ZORV_OK) output_.abandon();
  return result;
}

int SlideshowEncoder::encode(AVFrame* picture) {
  picture->pts = frames_++;
  int result = output_.encode(kVideoStream, video_.context(), picture);
  if (result == ZORV_OK) {
    result = audio_.encode_until(audio_samples_at(frames_), output_, kAudioStream);
  }
  return result;
}

int SlideshowEncoder::finish() {
  int result = output_.encode(kVideoStream, video_.context(), nullptr);
  if (result == ZORV_OK) result = audio_.finish(audio_samples_at(frames_), output_, kAudioStream);
  if (result == ZORV_OK) return output_.finish();
  output_.abandon();
  return result;
}

int64_t SlideshowEncoder::audio_samples_at(int64_t frame) const {
  return av_rescale_q(frame, video_.context()->time_base, audio_.context()->time_base);
}

}  // namespace pictavo
