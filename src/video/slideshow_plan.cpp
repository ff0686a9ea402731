#include "video/slideshow_plan.h"

#include <algorithm>
#include <climits>

#include "model/frame_count.h"
#include "model/slideshow.h"
#include "model/slideshow_timing.h"
#include "render/transition_renderers.h"

namespace pictavo {

std::int64_t SlideshowPlan::frame_count() const {
  std::int64_t frames = 0;
  for (const int n : frames_total)
    frames += n;
  return frames;
}

SlideshowPlan plan_slideshow(const Slideshow& slideshow, float frame_rate) {
  SlideshowPlan plan;
  const std::size_t count = slideshow.photos.size();
  const SlideshowTiming timing = slideshow_timing(slideshow.photos);
  const auto frame = [frame_rate](std::int64_t second) {
    return std::int64_t{frame_at(second, frame_rate)};
  };
  // Lengths beyond any real slideshow are held to what a frame count can hold.
  const auto held = [](std::int64_t frames) {
    return static_cast<int>(std::clamp<std::int64_t>(frames, 0, INT_MAX));
  };
  plan.photos.reserve(count);
  plan.frames_total.reserve(count);
  plan.transition_frames.reserve(count);
  for (std::size_t k = 0; k < count; ++k) {
    const PhotoItem& photo = *slideshow.photos[k];
    const EffectRecord& effect = photo.setting.effect;
    plan.photos.push_back(RenderPhoto{
        photo.prepared_path, static_cast<int>(effect.image_effect),
        static_cast<int>(effect.transition().type()), effect.transition().values(),
        photo_caption(photo, slideshow.captions.automatic), slideshow.captions.placement});
    const std::int64_t first = frame(timing.starts[k]);
    plan.frames_total.push_back(held(frame(timing.starts[k + 1]) - first));
    const std::int64_t fade_end = k == 0 ? timing.starts[0] + 1 : timing.transition_ends[k];
    plan.transition_frames.push_back(held(frame(fade_end) - first));
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
