#pragma once

#include "render/render_context.h"

namespace pictavo {

// Whether `output` was drawn again since the last frame was handed on.
enum class FrameChange {
  kRedrawn,
  kUnchanged,  // the same pixels: its I420 picture need not be made again
};

// Hands the finished frame in `output` on; every renderer calls it once per frame
// and stops at the first result that is not 0.
//
// Video making: converts the frame to I420 in `yuv` unless it is unchanged, gives
// it to `encode_frame`
// (a non-zero result comes back at once, unchanged), adds `progress_step` to
// `progress` and reports it, truncated, through the job's on_progress.
// Previews: waits until `frame_interval` ms have passed since `last_tick`, sets
// `last_tick` and shows the frame through `window_surface`.
// Then, in every mode, returns 2 when the stop event is set, else 0: a frame
// already handed over is never taken back.
int emit_frame(RenderContext& context, FrameChange change = FrameChange::kRedrawn);

}  // namespace pictavo
