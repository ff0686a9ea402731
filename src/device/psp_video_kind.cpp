#include "device/psp_video_kind.h"

#include "audio/av_handles.h"

namespace pictavo {

PspVideoKind psp_video_kind(const std::filesystem::path& video) {
  AVFormatContext* opened = nullptr;
  AVDictionary* options = nullptr;
  av_dict_set(&options, "protocol_whitelist", "file", 0);
  const int result =
      avformat_open_input(&opened, av::local_file_url(video.c_str()).c_str(), nullptr, &options);
  av_dict_free(&options);
  if (result < 0) return PspVideoKind::kOther;
  const av::InputPtr input(opened);
  if (avformat_find_stream_info(input.get(), nullptr) < 0) return PspVideoKind::kOther;
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
