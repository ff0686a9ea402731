#include "audioconv/mp2_converter.h"

#include <string_view>

#include "audio/audio_reader.h"
#include "audio/av_handles.h"
#include "base/atomic_file.h"
#include "common/module_log.h"

namespace pictavo {
namespace {

bool stop_requested(const XToMp2Stop* stop) {
  return stop != nullptr && stop->is_stop_requested != nullptr &&
         stop->is_stop_requested(stop->user) != 0;
}

av::CodecContextPtr open_mp2_encoder() {
  const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_MP2);
  if (codec == nullptr) return nullptr;
  av::CodecContextPtr context(avcodec_alloc_context3(codec));
  if (!context) return nullptr;
  context->sample_fmt = AV_SAMPLE_FMT_S16;
  context->sample_rate = kMp2SampleRate;
  av_channel_layout_default(&context->ch_layout, kMp2Channels);
  context->bit_rate = kMp2BitRate;
  context->time_base = AVRational{1, kMp2SampleRate};
  if (avcodec_open2(context.get(), codec, nullptr) < 0) return nullptr;
  return context;
}

// One conversion: the decoded source goes frame by frame into the encoder and
// the MP2 frames into a file that appears under its name only when complete.
class Mp2Conversion {
 public:
  Mp2Conversion(const char* source, const char* destination)
      : source_(source), destination_(destination), file_(destination) {}

  int run(const XToMp2Stop* stop) {
    if (!reader_.open(source_, AudioFormat{AV_SAMPLE_FMT_S16, kMp2SampleRate, kMp2Channels})) {
      return fail(XTOMP2_BAD_INPUT, reader_.error().c_str());
    }
    encoder_ = open_mp2_encoder();
    frame_.reset(av_frame_alloc());
    packet_.reset(av_packet_alloc());
    if (!encoder_ || !frame_ || !packet_) return fail(XTOMP2_CODEC_FAILED, "no MP2 encoder");
    frame_->format = encoder_->sample_fmt;
    frame_->nb_samples = encoder_->frame_size;
    if (av_channel_layout_copy(&frame_->ch_layout, &encoder_->ch_layout) < 0 ||
        av_frame_get_buffer(frame_.get(), 0) < 0) {
      return fail(XTOMP2_CODEC_FAILED, "out of memory");
    }
    if (!file_.is_good()) return fail(XTOMP2_BAD_OUTPUT, "cannot create the file");

    bool more = true;
    while (more) {
      if (stop_requested(stop)) return XTOMP2_STOPPED;
      int result = XTOMP2_OK;
      more = encode_next_frame(result);
      if (result != XTOMP2_OK) return result;
    }
    if (reader_.samples_read() == 0) return fail(XTOMP2_BAD_INPUT, "no sound in it");
    if (const int flushed = encode(nullptr); flushed != XTOMP2_OK) return flushed;
    if (!file_.commit()) return fail(XTOMP2_BAD_OUTPUT, "cannot complete the file");
    return XTOMP2_OK;
  }

 private:
  // Encodes the next frame of sound, the last one filled up with silence; false
  // after the last.
  bool encode_next_frame(int& result) {
    const int size = encoder_->frame_size;
    if (av_frame_make_writable(frame_.get()) < 0) {
      result = fail(XTOMP2_CODEC_FAILED, "out of memory");
      return false;
    }
    const int got = reader_.read(frame_->data, size);
    if (got < 0) {
      result = fail(XTOMP2_BAD_INPUT, reader_.error().c_str());
      return false;
    }
    if (got == 0) return false;
    av_samples_set_silence(frame_->data, got, size - got, kMp2Channels, encoder_->sample_fmt);
    frame_->pts = reader_.samples_read() - got;
    result = encode(frame_.get());
    return got == size;
  }

  int encode(const AVFrame* frame) {
    const int result = av::encode(encoder_.get(), frame, packet_.get(), [this](AVPacket* packet) {
      const bool written =
          file_.write(std::string_view(reinterpret_cast<const char*>(packet->data), packet->size));
      return written ? 0 : static_cast<int>(XTOMP2_BAD_OUTPUT);
    });
    if (result == XTOMP2_BAD_OUTPUT) return fail(XTOMP2_BAD_OUTPUT, "writing failed");
    if (result < 0) return fail(XTOMP2_CODEC_FAILED, av::error_text(result).c_str());
    return XTOMP2_OK;
  }

  int fail(int result, const char* why) {
    module_log("xToMp2: cannot convert %s to %s: %s", source_, destination_, why);
    return result;
  }

  const char* source_;
  const char* destination_;
  AudioReader reader_;
  av::CodecContextPtr encoder_;
  av::FramePtr frame_;
  av::PacketPtr packet_;
  AtomicFile file_;
};

}  // namespace

int convert_to_mp2(const char* source, const char* destination, const XToMp2Stop* stop) {
  if (source == nullptr || destination == nullptr || *destination == '\0') {
    module_log("xToMp2: called without a source or a destination");
    return source == nullptr ? XTOMP2_BAD_INPUT : XTOMP2_BAD_OUTPUT;
  }
  Mp2Conversion conversion(source, destination);
  return conversion.run(stop);
}

}  // namespace pictavo
