#include "render/slice_drawer.h"
#include "render/transition_frames.h"
#include "render/transition_renderers.h"

namespace pictavo {
namespace {

// How far the edges grow or shrink at each end over a half, as a fraction of the
// picture's extent along the turning axis: per-frame steps are single precision,
// the mid-point positions double precision.
constexpr float kNearStep = 0.15f;
constexpr float kFarStep = 0.35f;
constexpr double kNearMiddle = 0.15;
constexpr double kFarMiddle = 0.35;

struct EdgeSteps {
  float position = 0;
  float start = 0;  // the end moves by -start, the start by +start
};

void advance(PlaneEdge& edge, const EdgeSteps& steps) {
  edge.position += steps.position;
  edge.start += steps.start;
  edge.end -= steps.start;
}

}  // namespace

// The picture turns like a card about the frame's vertical centre line (axis 0)
// or horizontal one (axis 1): the old picture turns until it is seen edge-on,
// its near side growing and its far side shrinking, then the new photo turns on
// from edge-on until it lies flat.
int render_flip(RenderContext& context) {
  const FrameCanvas outgoing = snapshot(context);
  const bool vertical_axis = current_transition(context).p1 == 0;
  const int frames = context.transition_frames;
  const int first_half = frames / 2;
  FrameCanvas& output = context.output;
  const FrameCanvas& incoming = context.layer.canvas;
  const std::uint32_t colour = background_colour(context);
  // Across the slices (the way the edges move) and along them.
  const SliceAxis axis = vertical_axis ? SliceAxis::kColumns : SliceAxis::kRows;
  const float across = static_cast<float>(vertical_axis ? output.width() : output.height());
  const float along = static_cast<float>(vertical_axis ? output.height() : output.width());

  // The left (top) edge and the right (bottom) edge of the turning picture.
  PlaneEdge first{0, 0, along};
  PlaneEdge last{across, 0, along};
  EdgeSteps first_steps;
  EdgeSteps last_steps;
  if (first_half > 0) {
    first_steps = {0.5f * across / first_half, -kNearStep * along / first_half};
    last_steps = {-0.5f * across / first_half, kFarStep * along / first_half};
  }

  return render_transition_frames(context, IncomingPhoto::kFrozen, [&](int t) {
    if (t == first_half) {
      const int second_half = frames - first_half;
      const float middle = across * 0.5f;
      first = {middle, static_cast<float>(kFarMiddle * along),
               static_cast<float>((1 - kFarMiddle) * along)};
      last = {middle, static_cast<float>(-kNearMiddle * along),
              static_cast<float>((1 + kNearMiddle) * along)};
      first_steps = {-0.5f * across / second_half, -kFarStep * along / second_half};
      last_steps = {0.5f * across / second_half, kNearStep * along / second_half};
    }
    advance(first, first_steps);
    advance(last, last_steps);
    output.fill(colour);
    SliceDrawer(output, axis)
        .draw_plane(t < first_half ? outgoing : incoming, first, last, PlaneSpacing::kEven);
  });
}

}  // namespace pictavo
