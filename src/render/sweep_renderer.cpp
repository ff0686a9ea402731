#include <algorithm>

#include "render/soft_edge_fade.h"
#include "render/transition_renderers.h"

namespace pictavo {
namespace {

enum SweepDirection { kLeftToRight = 0, kRightToLeft = 1, kBottomToUp = 2, kUpToBottom = 3 };

// The diagonal's edge trails three times as long a gradient as a straight sweep's.
constexpr float kDiagonalFalloffs = 3.0f;

}  // namespace

// A rectangle grows from one edge of the frame over the old picture, which fades
// out behind its edge.
int render_sweep(RenderContext& context) {
  const FrameCanvas outgoing = snapshot(context);
  const TransitionValues params = current_transition(context);
  const int direction = params.p1;
  const int frames = std::max(context.transition_frames, 1);
  const int width = context.output.width();
  const int height = context.output.height();
  const bool across = direction == kLeftToRight || direction == kRightToLeft;
  const float advance =
      static_cast<float>((across ? width : height) + params.p2) / static_cast<float>(frames);
  const SubSteps steps = split_advance(advance);
  const int count = steps.count * frames;

  // The rectangle's moving side, and each pixel on the same scale: directions
  // that start at the far edge run along the negated axis.
  std::vector<float> edges;
  switch (direction) {
    case kLeftToRight:
      edges = accumulated_edges(0, steps.size, count);
      break;
    case kRightToLeft:
      edges = accumulated_edges(static_cast<float>(-width), steps.size, count);
      break;
    case kBottomToUp:
      edges = accumulated_edges(static_cast<float>(-height), steps.size, count);
      break;
    default:  // kUpToBottom
      edges = accumulated_edges(0, steps.size, count);
      break;
  }
  SoftEdgeFade fade(width, height, steps.count,
                    decay_factor(steps.size, static_cast<float>(params.p2)), std::move(edges),
                    [direction](float x, float y) {
                      switch (direction) {
                        case kLeftToRight:
                          return x;
                        case kRightToLeft:
                          return -x;
                        case kBottomToUp:
                          return -y;
                        default:
                          return y;
                      }
                    });
  return render_soft_edge(context, outgoing, fade);
}

// A diagonal edge, spanning the frame's width over its height, crosses the frame
// from one side to the other.
int render_diagonal_sweep(RenderContext& context) {
  const FrameCanvas outgoing = snapshot(context);
  const TransitionValues params = current_transition(context);
  const bool left_to_right = params.p1 == 0;
  const int frames = std::max(context.transition_frames, 1);
  const int width = context.output.width();
  const int height = context.output.height();
  const float distance = static_cast<float>(2 * width + params.p2) / static_cast<float>(frames);
  const SubSteps steps = split_advance(left_to_right ? distance : -distance);
  const int count = steps.count * frames;
  const float slope = static_cast<float>(width) / static_cast<float>(height);

  // The edge's upper end moves along the top from the left corner (or the right
  // one, the other way); a pixel is measured by where the diagonal through it
  // meets the top.
  std::vector<float> edges =
      left_to_right ? accumulated_edges(0, steps.size, count)
                    : accumulated_edges(static_cast<float>(-width), -steps.size, count);
  SoftEdgeFade fade(width, height, steps.count,
                    decay_factor(steps.size, kDiagonalFalloffs * static_cast<float>(params.p2)),
                    std::move(edges), [left_to_right, slope](float x, float y) {
                      return left_to_right ? x + slope * y : slope * y - x;
                    });
  return render_soft_edge(context, outgoing, fade);
}

}  // namespace pictavo
