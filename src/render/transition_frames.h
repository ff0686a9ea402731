#pragma once

#include <algorithm>
#include <cstdint>

#include "render/emit_frame.h"
#include "render/image_motion.h"
#include "render/render_context.h"

namespace pictavo {

// How the incoming photo moves while its transition runs.
enum class IncomingPhoto {
  kAnimated,  // its motion runs under the transition
  kFrozen,    // it holds the state it reaches at the end of the transition
};

// The frame loop every transition renderer shares. Loads photo `photo_index` into
// the layer; for each transition frame t = 0 … T − 1 draws the layer's canvas
// (stepped when animated) and calls `compose(t)` to compose `output`; then shows
// the photo alone for frames T … N − 1. Every frame goes through emit_frame; the
// first non-zero result ends the loop and is returned. The frame index the motion
// sees is t throughout, so frozen frames count too. A still photo is drawn alone
// once; its later frames are handed on unchanged.
template <typename Compose>
int render_transition_frames(RenderContext& context, IncomingPhoto incoming, Compose&& compose) {
  load_photo_layer(context);
  PhotoLayer& layer = context.layer;
  const int effect = current_image_effect(context);
  const std::uint32_t colour = background_colour(context);
  const int transition_frames = std::max(context.transition_frames, 0);

  if (incoming == IncomingPhoto::kFrozen)
    advance_image_effect(layer, transition_frames, effect, colour);
  for (int t = 0; t < transition_frames; ++t) {
    if (incoming == IncomingPhoto::kAnimated) step_image_effect(layer, t, effect, colour);
    compose(t);
    if (const int result = emit_frame(context); result != 0) return result;
  }
  const bool still = is_still_image_effect(effect);
  for (int t = transition_frames; t < context.frames_total; ++t) {
    const FrameChange change =
        still && t > transition_frames ? FrameChange::kUnchanged : FrameChange::kRedrawn;
    if (change == FrameChange::kRedrawn) {
      step_image_effect(layer, t, effect, colour);
      show_layer_frame(context);
    }
    if (const int result = emit_frame(context, change); result != 0) return result;
  }
  return 0;
}

}  // namespace pictavo
