#include "encoder/video_encoder.h"

#include <algorithm>
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

// What the PSP's decoder holds: two reference frames, and a VBV buffer of two
// seconds at the bitrate.
constexpr int kReferenceFrames = 2;
constexpr int kBufferSeconds = 2;

// The PSP decodes Main profile without the High-profile 8x8 transform, with at
// most two reference frames and one B-frame, no weighted prediction and a single
// slice per picture; the VBV keeps the bitrate within what the player buffers.
void configure_for_psp_h264(AVCodecContext* context, const EncoderSettings& settings) {
  context->profile = FF_PROFILE_H264_MAIN;
  context->level = h264_level_for(settings);
  context->refs = kReferenceFrames;
  context->max_b_frames = 1;
  context->rc_max_rate = settings.video_bitrate;
  context->rc_buffer_size = static_cast<int>(settings.video_bitrate * kBufferSeconds);
  context->slices = 1;
  context->thread_type = FF_THREAD_FRAME;  // slice threads would split pictures
  av_opt_set(context->priv_data, "profile", "main", 0);
  av_opt_set(context->priv_data, "x264-params",
             "8x8dct=0:weightb=0:weightp=0:b-pyramid=none:sliced-threads=0", 0);
}

// Phones, tablets, TVs and computers decode High profile. x264's "veryfast"
// preset keeps a 1080p slideshow encoding at about its own pace on two cores,
// where slower presets would make the encoder the job's bottleneck; at the HD
// profiles' generous bitrates the quality it gives up hardly shows. x264 holds
// some 12 MB per 1080p frame in flight, for each frame thread and each frame of
// its lookahead: two threads and a lookahead of 3 frames, run on the encoding
// threads rather than buffered ahead of them, keep a 1080p video within the 300 MB
// the program allows itself, on any number of cores. The level and its VBV limits
// are those of h264_level_for, as for the PSP.
constexpr int kPlainThreads = 2;

void configure_for_plain_h264(AVCodecContext* context, const EncoderSettings& settings) {
  context->profile = FF_PROFILE_H264_HIGH;
  context->level = h264_level_for(settings);
  context->refs = kReferenceFrames;
  context->rc_max_rate = settings.video_bitrate;
  context->rc_buffer_size = static_cast<int>(settings.video_bitrate * kBufferSeconds);
  av_opt_set(context->priv_data, "preset", "veryfast", 0);
  av_opt_set(context->priv_data, "profile", "high", 0);
  context->thread_count = kPlainThreads;
  av_opt_set(context->priv_data, "x264-params", "sync-lookahead=0:rc-lookahead=3", 0);
}

// One row of the H.264 standard's level limits (Table A-1). Bitrates are in
// units of 1000 bits, the factor of Main profile's VCL.
struct H264Level {
  int idc;
  int64_t macroblocks_per_second;      // MaxMBPS
  int64_t frame_macroblocks;           // MaxFS
  int64_t picture_buffer_macroblocks;  // MaxDpbMbs
  int64_t bitrate;                     // MaxBR
  int64_t buffer;                      // MaxCPB
};

// From level 2.1 up: the PSP's smallest videos are announced as 2.1, which every
// PSP plays; a lower level would gain nothing on it.
constexpr std::array<H264Level, 11> kH264Levels{{
    {21, 19800, 792, 4752, 4000, 4000},
    {22, 20250, 1620, 8100, 4000, 4000},
    {30, 40500, 1620, 8100, 10000, 10000},
    {31, 108000, 3600, 18000, 14000, 14000},
    {32, 216000, 5120, 20480, 20000, 20000},
    {40, 245760, 8192, 32768, 20000, 25000},
    {41, 245760, 8192, 32768, 50000, 62500},
    {42, 522240, 8704, 34816, 50000, 62500},
    {50, 589824, 22080, 110400, 135000, 135000},
    {51, 983040, 36864, 184320, 240000, 240000},
    {52, 2073600, 36864, 184320, 240000, 240000},
}};

}  // namespace

int h264_level_for(const EncoderSettings& settings) {
  const int64_t columns = (settings.width + 15) / 16;
  const int64_t rows = (settings.height + 15) / 16;
  const int64_t frame = columns * rows;
  const AVRational rate = settings.frame_rate;
  // Rounded up: a rate a hair over the limit does not fit it.
  const int64_t per_second = av_rescale_rnd(frame, rate.num, rate.den, AV_ROUND_UP);
  const int64_t bits = settings.video_bitrate;
  const auto fits = [&](const H264Level& level) {
    // Neither side of the picture may exceed sqrt(8 * MaxFS) macroblocks.
    const int64_t longest_side = std::max(columns, rows);
    return frame <= level.frame_macroblocks &&
           longest_side * longest_side <= 8 * level.frame_macroblocks &&
           per_second <= level.macroblocks_per_second &&
           frame * kReferenceFrames <= level.picture_buffer_macroblocks &&
           bits <= level.bitrate * 1000 && bits * kBufferSeconds <= level.buffer * 1000;
  };
  for (const H264Level& level : kH264Levels) {
    if (fits(level)) return level.idc;
  }
  return kH264Levels.back().idc;
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
      if (settings.container == Container::kPlainMp4) {
        configure_for_plain_h264(context, settings);
      } else {
        configure_for_psp_h264(context, settings);
      }
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
