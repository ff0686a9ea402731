#include "audio/audio_duration.h"

#include <algorithm>

#include "audio/av_handles.h"

namespace pictavo {
namespace {

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

  int64_t microseconds = 0;
  // A length estimated from the bitrate is wrong for variable-bitrate files
  // without a seek header: count what is really there.
  if (input->duration_estimation_method == AVFMT_DURATION_FROM_BITRATE ||
      input->duration == AV_NOPTS_VALUE) {
    microseconds =
        av_rescale_q(scanned_length(input.get(), stream_index), stream->time_base, AV_TIME_BASE_Q);
  } else if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0) {
    microseconds = av_rescale_q(stream->duration, stream->time_base, AV_TIME_BASE_Q);
  } else {
    microseconds = input->duration;
  }
  return std::chrono::microseconds(std::max<int64_t>(microseconds, 0));
}

}  // namespace pictavo
