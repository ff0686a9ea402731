#include "audio/audio_duration.h"

#include <algorithm>

#include "audio/av_handles.h"

namespace pictavo {
namespace {

// The bitrates a stream of the codec can have, in bits a second; 0 for `highest`
// when there is no upper bound.
struct BitrateBounds {
  double lowest;
  double highest;
};

// Any codec carries at least this much: the lowest of the speech codecs is near 450.
constexpr double kLowestBitrate = 256;
// Bytes a file may hold besides its sound (tags, headers) before a length that
// leaves them unexplained is doubted; a doubted length is only counted again.
constexpr double kBytesBesidesSound = 16 * 1024;

BitrateBounds bitrate_bounds(const AVCodecParameters& codec) {
  switch (codec.codec_id) {
    case AV_CODEC_ID_MP1:
      return {32000, 448000};
    case AV_CODEC_ID_MP2:
      return {8000, 384000};
    case AV_CODEC_ID_MP3:
      return {8000, 320000};
    default:
      break;
  }
  // Uncompressed sound and the fixed-size codecs have one bitrate.
  const double bits = av_get_bits_per_sample(codec.codec_id);
  const double rate = bits * codec.sample_rate * codec.ch_layout.nb_channels;
  if (rate > 0) return {rate, rate};
  return {kLowestBitrate, 0};
}

// Whether the file of `bytes` can hold `microseconds` of the stream's sound: a
// length stated in a header (an MP3's Xing frame count, a WAV's data size) can be
// anything.
bool file_can_hold(const AVCodecParameters& codec, int64_t microseconds, int64_t bytes) {
  if (bytes <= 0) return true;  // a size that is not known bounds nothing
  const BitrateBounds bounds = bitrate_bounds(codec);
  const double seconds = static_cast<double>(microseconds) / AV_TIME_BASE;
  const double bits = 8.0 * static_cast<double>(bytes);
  if (seconds * bounds.lowest > bits) return false;  // more sound than the bytes carry
  return bounds.highest == 0 || 8.0 * kBytesBesidesSound + seconds * bounds.highest >= bits;
}

// The stream's length in its time base, from the packets themselves.
int64_t scanned_length(AVFormatContext* input, int stream_index) {
  av::PacketPtr packet(av_packet_alloc());
  if (!packet) return 0;
  int64_t summed = 0;
  int64_t first = AV_NOPTS_VALUE;
  int64_t end = AV_NOPTS_VALUE;
  while (av_read_frame(input, packet.get()) >= 0) {
    if (packet->stream_index == stream_index) {
      summed += packet->duration;
      if (packet->pts != AV_NOPTS_VALUE) {
        if (first == AV_NOPTS_VALUE) first = packet->pts;
        if (end == AV_NOPTS_VALUE || packet->pts + packet->duration > end) {
          end = packet->pts + packet->duration;
        }
      }
    }
    av_packet_unref(packet.get());
  }
  if (summed > 0) return summed;
  return first != AV_NOPTS_VALUE ? end - first : 0;
}

}  // namespace

std::chrono::microseconds audio_duration(const char* path) {
  if (path == nullptr) return {};
  int stream_index = -1;
  const av::InputPtr input = av::open_audio_input(path, stream_index);
  if (!input || stream_index < 0) return {};
  const AVStream* stream = input->streams[stream_index];
  for (unsigned i = 0; i < input->nb_streams; ++i) {
    if (static_cast<int>(i) != stream_index) input->streams[i]->discard = AVDISCARD_ALL;
  }

  int64_t microseconds = input->duration;
  if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0) {
    microseconds = av_rescale_q(stream->duration, stream->time_base, AV_TIME_BASE_Q);
  }
  // A length estimated from the bitrate is wrong for variable-bitrate files
  // without a seek header, and a header's length may be more (or less) than the
  // file can hold: then what is really there is counted.
  if (input->duration_estimation_method == AVFMT_DURATION_FROM_BITRATE ||
      input->duration == AV_NOPTS_VALUE ||
      !file_can_hold(*stream->codecpar, microseconds, avio_size(input->pb))) {
    microseconds =
        av_rescale_q(scanned_length(input.get(), stream_index), stream->time_base, AV_TIME_BASE_Q);
  }
  return std::chrono::microseconds(std::max<int64_t>(microseconds, 0));
}

}  // namespace pictavo
