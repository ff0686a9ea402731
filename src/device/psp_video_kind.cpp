#include "device/psp_video_kind.h"

#include "audio/av_handles.h"

namespace pictavo {

PspVideoKind psp_video_kind(const std::filesystem::path& video) {
  av::InputPtr input;
  if (av::open_input(video.c_str(), input) < 0) return PspVideoKind::kOther;
  const int stream = av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  if (stream < 0) return PspVideoKind::kOther;
  switch (input->streams[stream]->codecpar->codec_id) {
    case AV_CODEC_ID_H264:
      return PspVideoKind::kAvc;
    case AV_CODEC_ID_MPEG4:
      return PspVideoKind::kMpeg4;
    default:
      return PspVideoKind::kOther;
  }
}

}  // namespace pictavo
