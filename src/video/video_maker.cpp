#include "video/video_maker.h"

#include <algorithm>
#include <cstdint>

#include "base/log.h"
#include "base/program_folder.h"
#include "base/result_code.h"
#include "model/slideshow.h"
#include "profiles/encoder_parameters.h"
#include "profiles/output_profile.h"
#include "profiles/video_size_table.h"
#include "render/render_context.h"
#include "video/encoder_module.h"
#include "video/prefetching_decoder.h"
#include "video/slideshow_plan.h"

namespace pictavo {
namespace {

std::string init_log_line(const VideoSize& size, const Slideshow& slideshow,
                          const EncoderParameters& parameters) {
  return "Begin init encoder rectScreen:" + std::to_string(size.width) + "," +
         std::to_string(size.height) + ". m2vFile:" + slideshow.video_path.string() +
         ", strAudioPath:" + slideshow.music_path.string() +
         ", strACodec:" + parameters.audio_codec + ", strARate:" + parameters.audio_bitrate +
         ", strASample:" + parameters.sample_rate + ", strAChannel:" + parameters.channel +
         ", strVCodec:" + parameters.video_codec + ", strVRate:" + parameters.video_bitrate;
}

}  // namespace

int render_slideshow_frames(const VideoJob& job, int width, int height, float frame_rate,
                            std::function<int(const std::uint8_t* i420)> encode_frame) {
  if (job.slideshow == nullptr || job.slideshow->photos.empty()) return kFailed;
  const Slideshow& slideshow = *job.slideshow;
  const SlideshowPlan plan = plan_slideshow(slideshow, frame_rate);
  RenderJob render_job{plan.photos, job.on_progress, job.background_argb, job.blurred_background};

  RenderContext context(RenderMode::kVideo, width, height);
  if (!context.output.valid() || !context.layer.canvas.valid()) return kFailed;
  context.job = &render_job;
  context.decoder = job.decoder;
  context.stop_event = job.stop_event;
  context.encode_frame = std::move(encode_frame);
  // Scaled by what is rendered, which at another frame rate than the project's is
  // not the slideshow's length in frames.
  context.progress_step =
      65535.0 / static_cast<double>(std::max<std::int64_t>(plan.frame_count(), 1));
  if (job.decoder == nullptr) return render_slideshow_plan(context, plan);
  // Each further photo is decoded while the one before it is rendered, so that
  // the encoder's threads do not sit idle while a camera-sized JPEG is decoded.
  PrefetchingDecoder photos(*job.decoder);
  context.decoder = &photos;
  return render_slideshow_plan(context, plan, [&](std::size_t k) {
    if (k + 1 < plan.photos.size())
      photos.prefetch(plan.photos[k + 1], plan.frames_total[k + 1], width, height);
  });
}

int make_slideshow_video(const VideoJob& job, std::string* failure) {
  const auto refuse = [failure](std::string reason) {
    if (failure != nullptr) *failure = std::move(reason);
    return kFailed;
  };
  if (failure != nullptr) failure->clear();
  // The opening needs a first photo; refusing here leaves no empty video behind.
  if (job.slideshow == nullptr || job.slideshow->photos.empty())
    return refuse("the slideshow has no photos");
  const Slideshow& slideshow = *job.slideshow;

  write_log("begin Load ZorvEncoder");
  const std::filesystem::path folder = program_folder();
  Result<EncoderModule> encoder = EncoderModule::load(folder / kEncoderModule);
  if (!encoder) return refuse("cannot load the encoder module: " + encoder.reason());
  write_log("End Load ZorvEncoder");

  if (job.profile == nullptr) return refuse("there is no output profile");
  const std::string& size_name = job.profile->value(ProfileParameterId::kVideoSize);
  const VideoSize* size = find_video_size(size_name);
  if (size == nullptr) return refuse("the profile's frame size \"" + size_name + "\" is unknown");

  // A module that cannot choose the container would make a PSP video of it.
  if (!job.profile->for_psp() && !encoder->chooses_format())
    return refuse("the encoder module makes only PSP videos");
  const EncoderParameters parameters = encoder_parameters(*job.profile);
  write_log(init_log_line(*size, slideshow, parameters));
  // The PSP lists the video by this title, also after the transfer renames the file.
  encoder->set_title(slideshow.name());
  encoder->set_music_fade_out(job.music_fade_out_seconds);
  encoder->init(size->width, size->height, slideshow.video_path, folder / "menu_pic" / "in.yuv",
                slideshow.music_path, parameters, std::string(size->name));
  write_log("End init encoder");

  // Below a frame a second a photo may get no frame at all: a video without its
  // photos is no success.
  const float frame_rate = counted_frame_rate(*job.profile);
  const auto encode = [&encoder](const std::uint8_t* i420) { return encoder->encode_frame(i420); };
  int status = frame_rate >= 1
                   ? render_slideshow_frames(job, size->width, size->height, frame_rate, encode)
                   : refuse("the profile's frame rate \"" + parameters.frame_rate +
                            "\" is below one frame a second");
  if (status == kFailed && failure != nullptr && failure->empty())
    *failure = "there is not enough memory for the frames";
  // A failure the encoder meets while completing the file is the slideshow's too.
  const int closed = encoder->close();
  if (status == 0 && closed != 0) status = closed;
  return status;
}

}  // namespace pictavo
