#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "render/render_context.h"

namespace pictavo {

class Slideshow;

// What the renderers draw of a slideshow at one frame rate, copied out of the
// model so that a rendering thread never reads a slideshow the user may be
// editing. Photo k's frames run from the frame at its start to the frame at the
// next photo's start (slideshow_timing, frame_at); photo 0 fades in over the
// frames of its first second instead of a transition.
struct SlideshowPlan {
  std::vector<RenderPhoto> photos;
  std::vector<int> frames_total;       // N of each photo
  std::vector<int> transition_frames;  // T of each photo

  // Every frame the slideshow renders.
  std::int64_t frame_count() const;
};

SlideshowPlan plan_slideshow(const Slideshow& slideshow, float frame_rate);

// Renders the opening, then each further photo by its transition, through the
// context (whose job must hold `plan.photos`), telling `before_photo` (when given)
// the index of each photo before it is rendered. Returns the first result that is
// not 0, else 0; a photo whose transition has no renderer is skipped.
int render_slideshow_plan(RenderContext& context, const SlideshowPlan& plan,
                          const std::function<void(std::size_t photo)>& before_photo = {});

}  // namespace pictavo
