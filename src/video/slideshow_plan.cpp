#include "video/slideshow_plan.h"

#include <algorithm>
#include <limits>

#include "model/slideshow.h"
#include "render/transition_renderers.h"

namespace pictavo {
namespace {

// Frames for `seconds` of slideshow time. Durations come from project files, so
// absurd ones are brought into range rather than overflowing.
int frames_for(int fps, std::int64_t seconds) {
  const std::int64_t frames = static_cast<std::int64_t>(fps) * seconds;
  return static_cast<int>(std::clamp<std::int64_t>(frames, 0, std::numeric_limits<int>::max()));
}

}  // namespace

std::int64_t SlideshowPlan::frame_count() const {
  std::int64_t frames = 0;
  for (const int n : frames_total)
    frames += n;
  return frames;
}

SlideshowPlan plan_slideshow(const Slideshow& slideshow, int fps) {
  SlideshowPlan plan;
  plan.fps = fps;
  const std::size_t count = slideshow.photos.size();
  plan.photos.reserve(count);
  plan.frames_total.reserve(count);
  plan.transition_frames.reserve(count);
  for (std::size_t k = 0; k < count; ++k) {
    const EffectRecord& effect = slideshow.photos[k]->setting.effect;
    plan.photos.push_back(
        RenderPhoto{slideshow.photos[k]->prepared_path, static_cast<int>(effect.image_effect),
                    static_cast<int>(effect.transition().type()), effect.transition().values()});
    const bool opening = k == 0;
    plan.frames_total.push_back(opening ? fps
                                        : frames_for(fps, std::int64_t{effect.display_seconds} +
                                                              effect.transition_seconds));
    plan.transition_frames.push_back(opening ? 0 : frames_for(fps, effect.transition_seconds));
  }
  return plan;
}

int render_slideshow_plan(RenderContext& context, const SlideshowPlan& plan,
                          const std::function<void(std::size_t photo)>& before_photo) {
  int status = 0;
  for (std::size_t k = 0; k < plan.photos.size() && status == 0; ++k) {
    if (before_photo) before_photo(k);
    context.photo_index = static_cast<int>(k);
    context.frames_total = plan.frames_total[k];
    context.transition_frames = plan.transition_frames[k];
    status = k == 0 ? render_first_photo(context) : render_transition(context);
  }
  return status;
}

}  // namespace pictavo
