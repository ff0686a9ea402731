#include "audioconv/mp2_converter.h"

#include <optional>
#include <string_view>

#include "audio/audio_reader.h"
#include "audio/av_handles.h"
#include "base/atomic_file.h"
#include "common/module_log.h"

namespace pictavo {
namespace {

constexpr AudioFormat kMp2Format{AV_SAMPLE_FMT_S16, kMp2SampleRate, kMp2Channels};
constexpr int kBytesPerSampleFrame = kMp2Channels * 2;  // packed 16-bit samples

bool stop_requested(const XToMp2Stop* stop) {
  return stop != nullptr && stop->is_stop_requested != nullptr &&
         stop->is_stop_requested(stop->user) != 0;
}

av::CodecContextPtr open_mp2_encoder() {
  const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_MP2);
  if (codec == nullptr) return nullptr;
  av::CodecContextPtr context(avcodec_alloc_context3(codec));
  if (!context) return nullptr;
  context->sample_fmt = kMp2Format.sample_format;
  context->sample_rate = kMp2SampleRate;
  av_channel_layout_default(&context->ch_layout, kMp2Channels);
  context->bit_rate = kMp2BitRate;
  context->time_base = AVRational{1, kMp2SampleRate};
  if (avcodec_open2(context.get(), codec, nullptr) < 0) return nullptr;
  return context;
}

// One conversion: the sources are decoded one after another, the list as often as
// asked, and their sound goes frame by frame into one encoder and the MP2 frames
// into a file that appears under its name only when complete. A frame is filled
// across the end of one source into the next, so the sources follow each other
// without a gap and only the very last frame is filled up with silence.
class Mp2Conversion {
 public:
  Mp2Conversion(std::span<const char* const> sources, int passes, const char* destination)
      : sources_(sources),
        source_count_(sources.size() * static_cast<std::size_t>(passes)),
        destination_(destination),
        file_(destination) {}

  int run(const XToMp2Stop* stop) {
    if (const int opened = open_source(); opened != XTOMP2_OK) return opened;
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
    if (const int flushed = encode(nullptr); flushed != XTOMP2_OK) return flushed;
    if (!file_.commit()) return fail(XTOMP2_BAD_OUTPUT, "cannot complete the file");
    return XTOMP2_OK;
  }

  // The index in the source list of the source that could not be used; -1 when
  // none failed.
  int failed_source() const { return failed_source_; }

 private:
  const char* source() const { return sources_[current_ % sources_.size()]; }

  int open_source() {
    reader_.emplace();
    if (!reader_->open(source(), kMp2Format)) return fail_source(reader_->error().c_str());
    return XTOMP2_OK;
  }

  // Reads the next `count` samples of sound into `samples`, going on with the next
  // source where one ends; fewer only after the last source.
  int read(std::uint8_t* samples, int count, int& result) {
    int filled = 0;
    while (filled < count && reader_) {
      std::uint8_t* at = samples + static_cast<std::ptrdiff_t>(filled) * kBytesPerSampleFrame;
      const int got = reader_->read(&at, count - filled);
      if (got < 0) {
        result = fail_source(reader_->error().c_str());
        return 0;
      }
      filled += got;
      if (filled == count) break;
      if (reader_->samples_read() == 0) {
        result = fail_source("no sound in it");
        return 0;
      }
      reader_.reset();
      if (++current_ < source_count_) {
        if (result = open_source(); result != XTOMP2_OK) return 0;
      }
    }
    return filled;
  }

  // Encodes the next frame of sound, the last one filled up with silence; false
  // after the last.
  bool encode_next_frame(int& result) {
    const int size = encoder_->frame_size;
    if (av_frame_make_writable(frame_.get()) < 0) {
      result = fail(XTOMP2_CODEC_FAILED, "out of memory");
      return false;
    }
    const int got = read(frame_->data[0], size, result);
    if (result != XTOMP2_OK || got == 0) return false;
    av_samples_set_silence(frame_->data, got, size - got, kMp2Channels, encoder_->sample_fmt);
    frame_->pts = samples_encoded_;
    samples_encoded_ += size;
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

  int fail_source(const char* why) {
    failed_source_ = static_cast<int>(current_ % sources_.size());
    return fail(XTOMP2_BAD_INPUT, why);
  }

  int fail(int result, const char* why) {
    module_log("xToMp2: cannot convert %s to %s: %s", source(), destination_, why);
    return result;
  }

  std::span<const char* const> sources_;
  std::size_t source_count_;  // the sources of all passes
  std::size_t current_ = 0;   // among those
  const char* destination_;
  std::optional<AudioReader> reader_;  // of the current source; empty after the last
  av::CodecContextPtr encoder_;
  av::FramePtr frame_;
  av::PacketPtr packet_;
  std::int64_t samples_encoded_ = 0;
  AtomicFile file_;
  int failed_source_ = -1;
};

}  // namespace

int convert_to_mp2(std::span<const char* const> sources, int passes, const char* destination,
                   const XToMp2Stop* stop, int* failed_source) {
  if (failed_source != nullptr) *failed_source = -1;
  for (std::size_t index = 0; index < sources.size(); ++index) {
    if (sources[index] == nullptr) {
      if (failed_source != nullptr) *failed_source = static_cast<int>(index);
      sources = {};
    }
  }
  if (sources.empty() || destination == nullptr || *destination == '\0') {
    module_log("xToMp2: called without a source or a destination");
    return sources.empty() ? XTOMP2_BAD_INPUT : XTOMP2_BAD_OUTPUT;
  }
  Mp2Conversion conversion(sources, passes < 1 ? 1 : passes, destination);
  const int result = conversion.run(stop);
  if (failed_source != nullptr) *failed_source = conversion.failed_source();
  return result;
}

}  // namespace pictavo
