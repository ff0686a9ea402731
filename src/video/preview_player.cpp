#include "video/preview_player.h"

#include <algorithm>
#include <system_error>
#include <utility>
#include <vector>

#include "audio/music_player.h"
#include "base/result_code.h"
#include "effects/image_effect.h"
#include "effects/random_generator.h"
#include "effects/transition_params.h"
#include "model/screen_aspect.h"
#include "model/slideshow.h"
#include "render/render_context.h"
#include "render/transition_renderers.h"
#include "video/prefetching_decoder.h"
#include "video/slideshow_plan.h"

namespace pictavo {
namespace {

// Previews count slideshow time in whole frames: 30 a second for NTSC, 25 for PAL.
int preview_fps(int tv_standard) {
  return tv_standard == 0 ? 30 : 25;
}

}  // namespace

PreviewSize preview_size(int aspect) {
  switch (aspect) {
    case kAspectSixteenNine:
      return {224, 126};
    case kAspectNineSixteen:
      return {94, 168};
    default:
      return {224, 168};
  }
}

PreviewSize frame_size_or_preview(PreviewSize size, int aspect) {
  return size.width > 0 && size.height > 0 ? size : preview_size(aspect);
}

int preview_frame_interval(int tv_standard) {
  return tv_standard == 0 ? 33 : 40;
}

PreviewPlayer::PreviewPlayer(const PhotoDecoder& decoder, PreviewObserver& observer,
                             MusicPlayer* music, PreviewClock& clock)
    : decoder_(decoder), observer_(observer), music_(music), clock_(clock) {}

PreviewPlayer::~PreviewPlayer() {
  stop_preview();
}

template <typename Body>
int PreviewPlayer::start(Body&& body) {
  stop_preview();
  stop_.reset();
  running_ = true;
  const int run = ++run_;
  try {
    thread_ = std::thread([body = std::forward<Body>(body), run]() mutable { body(run); });
  } catch (const std::system_error&) {
    running_ = false;
    return kFailed;
  }
  return 0;
}

void PreviewPlayer::bind(RenderContext& context, const RenderJob& job, int tv_standard) {
  context.job = &job;
  context.decoder = &decoder_;
  context.window_surface = &observer_;
  context.stop_event = &stop_;
  context.clock = &clock_;
  context.frame_interval = preview_frame_interval(tv_standard);
}

int PreviewPlayer::start_transition_preview(const TransitionPreviewRequest& request) {
  const int type =
      request.transition != nullptr ? static_cast<int>(request.transition->type()) : -1;
  const TransitionValues values =
      request.transition != nullptr ? request.transition->values() : TransitionValues{};
  int effect = request.image_effect;
  if (effect == static_cast<int>(ImageEffect::kRandom))
    effect = draw_random() * 20 / RandomGenerator::kMax;
  TransitionPreviewRequest copy = request;
  copy.transition = nullptr;  // the thread keeps the type and values, not the borrowed record
  return start([this, copy = std::move(copy), type, values, effect](int run) {
    const int fps = preview_fps(copy.tv_standard);
    const RenderPhoto photos[] = {
        {copy.from_path,
         static_cast<int>(ImageEffect::kNone),
         0,
         {},
         copy.from_caption,
         copy.caption_placement},
        {copy.to_path, effect, type, values, copy.to_caption, copy.caption_placement},
    };
    const RenderJob job{photos, {}, copy.background_argb};
    const PreviewSize size = frame_size_or_preview(copy.size, copy.aspect);
    RenderContext context(RenderMode::kTransitionPreview, size.width, size.height);
    bind(context, job, copy.tv_standard);
    // The photo coming in is decoded beside the one it replaces, so that the
    // transition's first frame does not wait for it.
    const int frames_total = std::max(copy.display_seconds + copy.transition_seconds, 0) * fps;
    PrefetchingDecoder prefetching(decoder_);
    prefetching.prefetch(photos[1], frames_total, context.output.width(), context.output.height());
    context.decoder = &prefetching;

    context.photo_index = 0;
    int result = render_first_photo(context);
    if (result == 0) {
      context.photo_index = 1;
      context.frames_total = frames_total;
      context.transition_frames = std::max(copy.transition_seconds, 0) * fps;
      result = render_transition(context);
    }
    context.photo_index = 0;
    render_first_photo(context);
    running_ = false;
    observer_.preview_ended(PreviewKind::kTransition, run, result == kStopped);
  });
}

int PreviewPlayer::start_slideshow_preview(const SlideshowPreviewRequest& request) {
  if (stopping_ || request.slideshow == nullptr || request.slideshow->photos.empty())
    return kFailed;
  if (music_ != nullptr) music_->stop_playback();
  stop_preview();

  // From a later photo on, the photos before it are left out and the music starts
  // where that photo comes in. Photos whose files were not found are left out too.
  Slideshow from_here(*request.slideshow);
  const auto first = static_cast<std::size_t>(
      std::clamp(request.first_photo, 0, static_cast<int>(from_here.photos.size()) - 1));
  const std::chrono::seconds music_start(from_here.photos[first]->start.seconds());
  from_here.photos.erase(from_here.photos.begin(),
                         from_here.photos.begin() + static_cast<std::ptrdiff_t>(first));
  std::erase_if(from_here.photos, [](const auto& photo) { return photo->missing; });
  if (from_here.photos.empty()) return kFailed;
  from_here.update_length();

  if (music_ != nullptr && request.music != nullptr) {
    std::vector<std::filesystem::path> files;
    for (const auto& track : request.music->tracks)
      files.push_back(track->source_path());
    music_->play_files(std::move(files), music_start);
  }

  SlideshowPlan plan =
      plan_slideshow(from_here, static_cast<float>(preview_fps(request.tv_standard)));
  const PreviewSize size = frame_size_or_preview(request.size, request.aspect);
  const int started = start([this, plan = std::move(plan), request, size](int run) {
    const RenderJob job{plan.photos, {}, request.background_argb};
    RenderContext context(RenderMode::kSlideshowPreview, size.width, size.height);
    bind(context, job, request.tv_standard);
    // Each photo is decoded while the one before it plays, the first during the pause.
    PrefetchingDecoder photos(decoder_);
    context.decoder = &photos;
    const auto fetch = [&](std::size_t k) {
      if (k < plan.photos.size())
        photos.prefetch(plan.photos[k], plan.frames_total[k], context.output.width(),
                        context.output.height());
    };
    fetch(0);
    // The music has begun before the thread; the pause lets it settle first.
    int result = clock_.wait_for_stop(stop_, 1000) ? kStopped : 0;
    if (result == 0)
      result = render_slideshow_plan(context, plan, [&](std::size_t k) { fetch(k + 1); });

    context.photo_index = 0;
    draw_fitted_photo(context);
    observer_.show(context.output);
    running_ = false;
    observer_.preview_ended(PreviewKind::kSlideshow, run, result == kStopped);
  });
  if (started != 0 && music_ != nullptr) music_->stop_playback();
  return started;
}

void PreviewPlayer::stop_preview() {
  if (!thread_.joinable() || stopping_) return;
  stopping_ = true;
  stop_.set();
  // The thread never waits for this one, so the join ends after at most one frame,
  // also when the preview was ending by itself and never sees the stop.
  thread_.join();
  stop_.reset();
  stopping_ = false;
}

void PreviewPlayer::stop_slideshow_preview() {
  if (music_ != nullptr) music_->stop_playback();
  stop_preview();
}

void PreviewPlayer::slideshow_preview_ended(int run) {
  if (music_ != nullptr && run == run_ && !running_) music_->stop_playback();
}

}  // namespace pictavo
