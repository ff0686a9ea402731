#include <algorithm>
#include <cmath>

#include "render/slice_drawer.h"
#include "render/transition_frames.h"
#include "render/transition_renderers.h"

namespace pictavo {
namespace {

// Columns shrink towards the front as their distance to it raised to this power.
constexpr double kPinch = 0.7692307974459868;

int clamped_ceil(float value, int width) {
  return static_cast<int>(std::clamp(std::ceil(value), 0.0f, static_cast<float>(width)));
}

}  // namespace

// A front travels across the frame, pinching the pictures to a line: the old
// picture on one side of it, the new photo on the other; within a quarter of the
// width on either side the columns grow back to full height.
int render_twist(RenderContext& context) {
  const FrameCanvas outgoing = snapshot(context);
  const bool left_to_right = current_transition(context).p1 == 0;
  const int frames = std::max(context.transition_frames, 1);
  const int width = context.output.width();
  const int height = context.output.height();
  const std::uint32_t colour = background_colour(context);
  FrameCanvas& output = context.output;
  const FrameCanvas& incoming = context.layer.canvas;
  // Left of the front and right of it.
  const FrameCanvas& before = left_to_right ? incoming : outgoing;
  const FrameCanvas& after = left_to_right ? outgoing : incoming;

  const float reach = 0.25f * width;  // how far from the front columns are pinched
  const double full_height = 0.5 * height / std::pow(reach, kPinch);
  const float middle = static_cast<float>(height / 2);
  const float step = (left_to_right ? 1.5f : -1.5f) * width / frames;
  float front = left_to_right ? -reach : 1.25f * width;

  return render_transition_frames(context, IncomingPhoto::kFrozen, [&](int) {
    front += step;
    const int pinched_from = clamped_ceil(front - reach, width);
    const int front_column = clamped_ceil(front, width);
    const int pinched_to = clamped_ceil(front + reach, width);
    output.fill(colour);
    SliceDrawer columns(output, SliceAxis::kColumns);
    columns.copy(before, 0, pinched_from);
    for (int x = pinched_from; x < pinched_to; ++x) {
      const auto half = static_cast<float>(std::pow(std::fabs(front - x), kPinch) * full_height);
      columns.draw(x < front_column ? before : after, x, static_cast<float>(x), middle - half,
                   2 * half);
    }
    columns.copy(after, pinched_to, width);
  });
}

}  // namespace pictavo
