#include <algorithm>
#include <cmath>

#include "render/soft_edge_fade.h"
#include "render/transition_renderers.h"

namespace pictavo {

// Small to big: a circle grows from the centre over the old picture. Big to small:
// a ring closes in from the circle around the frame towards the centre; once its
// hole has closed, the whole inside keeps fading, while the corners outside the
// circle keep the old picture to the end.
int render_circle(RenderContext& context) {
  const FrameCanvas outgoing = snapshot(context);
  const TransitionValues params = current_transition(context);
  const bool small_to_big = params.p1 == 0;
  const int frames = std::max(context.transition_frames, 1);
  const int width = context.output.width();
  const int height = context.output.height();
  const float reach = static_cast<float>(width + params.p2);
  const float growth = std::sqrt(2 * reach * reach) / static_cast<float>(frames) * 0.5f;
  const SubSteps steps = split_advance(growth);
  const int count = steps.count * frames;
  const float factor = decay_factor(steps.size, static_cast<float>(params.p2));

  if (small_to_big) {
    // The circle's bounding box grows by a sub-step on every side.
    std::vector<float> edges = accumulated_edges(0, 2 * steps.size, count);
    for (float& edge : edges)
      edge *= 0.5f;  // its radius
    const float centre_x = static_cast<float>(width) * 0.5f;
    const float centre_y = static_cast<float>(height) * 0.5f;
    SoftEdgeFade fade(
        width, height, steps.count, factor, std::move(edges),
        [centre_x, centre_y](float x, float y) { return std::hypot(x - centre_x, y - centre_y); });
    return render_soft_edge(context, outgoing, fade);
  }

  const float outer = std::sqrt(static_cast<float>(width * width + height * height)) * 0.5f;
  const float centre_x = static_cast<float>(width / 2);
  const float centre_y = static_cast<float>(height / 2);
  // The hole starts as the outer circle; its box shrinks by a sub-step on every
  // side until its left side passes the centre, when it has closed.
  std::vector<float> edges;
  edges.reserve(static_cast<std::size_t>(count));
  float left = centre_x - outer;
  float diameter = 2 * outer;
  for (int k = 0; k < count; ++k) {
    left += steps.size;
    diameter -= 2 * steps.size;
    edges.push_back(left > centre_x ? kCoversEverything : -0.5f * diameter);
  }
  SoftEdgeFade fade(width, height, steps.count, factor, std::move(edges),
                    [centre_x, centre_y, outer](float x, float y) {
                      const float distance = std::hypot(x - centre_x, y - centre_y);
                      return distance <= outer ? -distance : kCoversEverything;
                    });
  return render_soft_edge(context, outgoing, fade);
}

}  // namespace pictavo
