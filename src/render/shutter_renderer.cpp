#include <algorithm>

#include "render/soft_edge_fade.h"
#include "render/transition_renderers.h"

namespace pictavo {
namespace {

// How far the panels travel, relative to the frame, grows with the width of the
// soft edge, so that a wide edge has time to fade out.
constexpr float kBaseTravel = 0.5f;
constexpr float kTravelPerWidth = 0.00875f;

}  // namespace

// Two panels close in from opposite sides (left and right, or top and bottom) and
// meet in the middle; from then on the whole frame fades.
int render_shutter(RenderContext& context) {
  const FrameCanvas outgoing = snapshot(context);
  const TransitionValues params = current_transition(context);
  const bool vertical = params.p1 == 0;
  const int frames = std::max(context.transition_frames, 1);
  const int width = context.output.width();
  const int height = context.output.height();
  const int side = vertical ? width : height;
  const float travel = kBaseTravel + kTravelPerWidth * static_cast<float>(params.p2);
  const float growth = travel * static_cast<float>(side) / static_cast<float>(frames) * 0.5f;
  const SubSteps steps = split_advance(growth);
  const int count = steps.count * frames;

  // Each panel grows by two sub-steps at a time; once the first has reached the
  // middle, the region is the whole frame.
  std::vector<float> edges;
  edges.reserve(static_cast<std::size_t>(count));
  const float middle = static_cast<float>(side / 2);
  float panel = 0;
  for (int k = 0; k < count; ++k) {
    panel += 2 * steps.size;
    edges.push_back(panel < middle ? panel : kCoversEverything);
  }
  SoftEdgeFade fade(width, height, steps.count,
                    decay_factor(steps.size, static_cast<float>(params.p2)), std::move(edges),
                    [vertical, width, height](float x, float y) {
                      return vertical ? std::min(x, static_cast<float>(width) - x)
                                      : std::min(y, static_cast<float>(height) - y);
                    });
  return render_soft_edge(context, outgoing, fade);
}

}  // namespace pictavo
