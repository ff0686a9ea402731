#include "encoder/video_encoder.h"

#include <array>

#include "common/module_log.h"
#include "encoder/zorv_encoder.h"

extern "C" {
#include <libavutil/opt.h>
}

namespace pictavo {
namespace {

const char* encoder_name(VideoCodec codec) {
  switch (codec) {
    case VideoCodec::kH264:
      return "libx264";
    case VideoCodec::kMpeg4:
      return "mpeg4";
    case VideoCodec::kXvid:
      return "libxvid";
  }
  return "";
}

// The PSP decodes Main profile without the High-profile 8x8 transform, with at
// most two reference frames and one B-frame, no weighted prediction and a single
// slice per picture; the VBV keeps the bitrate within what the player buffers.
void configure_for_psp_h264(AVCodecContext* context, const EncoderSettings& settings) {
  context->profile = FF_PROFILE_H264_MAIN;
  context->level = h264_level_for(settings.width, settings.height, settings.frame_rate);
  context->refs = 2;
  context->max_b_frames = 1;
  context->rc_max_rate = settings.video_bitrate;
  context->rc_buffer_size = static_cast<int>(settings.video_bitrate * 2);
  context->slices = 1;
  context->thread_type = FF_THREAD_FRAME;  // slice threads would split pictures
  av_opt_set(context->priv_data, "profile", "main", 0);
  av_opt_set(context->priv_data, "x264-params",
             "8x8dct=0:weightb=0:weightp=0:b-pyramid=none:sliced-threads=0", 0);
}

}  // namespace

int h264_level_for(int width, int height, AVRational frame_rate) {
  struct Level {
    int idc;
    int64_t frame_macroblocks;
    int64_t macroblocks_per_second;
  };
  static constexpr std::array<Level, 5> kLevels{{
      {21, 396, 19800},
      {30, 1620, 40500},
      {31, 3600, 108000},
      {32, 5120, 216000},
      {40, 8192, 245760},
  }};
  const int64_t frame = static_cast<int64_t>((width + 15) / 16) * ((height + 15) / 16);
  const int64_t per_second = av_rescale(frame, frame_rate.num, frame_rate.den);
  for (const Level& level : kLevels) {
    if (frame <= level.frame_macroblocks && per_second <= level.macroblocks_per_second) {
      return level.idc;
    }
  }
  return 51;
}

int VideoEncoder::open(const EncoderSettings& settings, bool global_header) {
  const char* name = encoder_name(settings.video_codec);
  const AVCodec* codec = avcodec_find_encoder_by_name(name);
  if (codec == nullptr) {
    module_log("ZorvEncoder: this FFmpeg has no %s encoder", name);
    return ZORV_ERROR_SETTINGS;
  }
  context_.reset(avcodec_alloc_context3(codec));
  if (!context_) return ZORV_ERROR_ENCODING;
  AVCodecContext* context = context_.get();
  context->width = settings.width;
  context->height = settings.height;
  context->pix_fmt = AV_PIX_FMT_YUV420P;
  context->sample_aspect_ratio = AVRational{1, 1};
  context->framerate = settings.frame_rate;
  context->time_base = av_inv_q(settings.frame_rate);
  context->bit_rate = settings.video_bitrate;
  // A key frame at least every ten seconds keeps seeking on the player quick.
  context->gop_size =
      static_cast<int>(av_rescale(10, settings.frame_rate.num, settings.frame_rate.den));
  if (global_header) context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  switch (settings.video_codec) {
    case VideoCodec::kH264:
      configure_for_psp_h264(context, settings);
      break;
    case VideoCodec::kMpeg4:
      context->profile = FF_PROFILE_MPEG4_SIMPLE;
      context->level = 3;
      context->max_b_frames = 0;
      break;
    case VideoCodec::kXvid:
      context->max_b_frames = 0;
      break;
  }
  if (const int opened = avcodec_open2(context, codec, nullptr); opened < 0) {
    module_log("ZorvEncoder: the %s encoder refuses %dx%d at %d/%d fps: %s", name, settings.width,
               settings.height, settings.frame_rate.num, settings.frame_rate.den,
               av::error_text(opened).c_str());
    return ZORV_ERROR_SETTINGS;
  }
  return ZORV_OK;
}

}  // namespace pictavo
