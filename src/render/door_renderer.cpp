#include <algorithm>
#include <vector>

#include "render/slice_drawer.h"
#include "render/strip_tiles.h"
#include "render/transition_frames.h"
#include "render/transition_renderers.h"

namespace pictavo {
namespace {

// How far a leaf's free edge sinks when the door stands open, relative to the
// frame's height.
constexpr float kSink = 0.3f;

void move(PointF& point, float dx, float dy) {
  point.x += dx;
  point.y += dy;
}

}  // namespace

// Open: the old picture splits into two leaves that swing open towards the sides,
// their free edges sinking, and show the new photo moving behind them. Close: two
// leaves holding the new photo swing shut over the old picture and meet in the
// middle on the last transition frame.
int render_door(RenderContext& context) {
  const FrameCanvas outgoing = snapshot(context);
  const bool open = current_transition(context).p1 == 0;
  const int frames = std::max(context.transition_frames, 1);
  const int width = context.output.width();
  const int height = context.output.height();
  const float half = static_cast<float>(width / 2);
  const float right = static_cast<float>(width);
  const float bottom = static_cast<float>(height);
  const float swing = static_cast<float>(width) * 0.5f / static_cast<float>(frames);
  const float sink = kSink * bottom / static_cast<float>(frames);
  FrameCanvas& output = context.output;
  const FrameCanvas& incoming = context.layer.canvas;

  StripTiles leaves({{0, width / 2}, {width / 2, width - width / 2}}, height);
  // The leaves keep their columns upright, so the slice drawer draws them,
  // several times faster than Cairo draws a sheared picture.
  const auto draw_leaves = [&](const Parallelogram& left, const Parallelogram& right_leaf) {
    SliceDrawer drawer(output, SliceAxis::kColumns);
    drawer.draw(leaves[0], left);
    drawer.draw(leaves[1], right_leaf);
  };

  if (open) {
    leaves.cut(outgoing);
    Parallelogram left{{0, 0}, {half, 0}, {0, bottom}};
    Parallelogram right_leaf{{half, 0}, {right, 0}, {half, bottom}};
    return render_transition_frames(context, IncomingPhoto::kAnimated, [&](int) {
      move(left.upper_right, -swing, sink);
      move(right_leaf.upper_left, swing, sink);
      move(right_leaf.lower_left, swing, sink);
      output.draw(incoming, 0, 0);
      draw_leaves(left, right_leaf);
    });
  }

  Parallelogram left{{0, 0}, {0, kSink * bottom}, {0, bottom}};
  Parallelogram right_leaf{{right, kSink * bottom}, {right, 0}, {right, (1 + kSink) * bottom}};
  return render_transition_frames(context, IncomingPhoto::kFrozen, [&](int t) {
    if (t == 0) leaves.cut(incoming);
    move(left.upper_right, swing, -sink);
    move(right_leaf.upper_left, -swing, -sink);
    move(right_leaf.lower_left, -swing, -sink);
    output.draw(outgoing, 0, 0);
    draw_leaves(left, right_leaf);
  });
}

}  // namespace pictavo
