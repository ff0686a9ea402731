#include <algorithm>

#include "render/slice_drawer.h"
#include "render/transition_frames.h"
#include "render/transition_renderers.h"

namespace pictavo {
namespace {

// Where the far edge of the swinging photo starts, as a fraction of the height
// from the top and from the bottom.
constexpr float kFarEdgeInset = 0.19999999f;

}  // namespace

// The new photo swings in about the frame's vertical centre line over the old
// picture: it opens from a line at the centre, its far side shorter, and lies
// flat and full-size after the last frame. Clockwise the far side is the right
// one; anticlockwise is the mirror image, the far side on the left.
int render_rotate_in(RenderContext& context) {
  const FrameCanvas outgoing = snapshot(context);
  const bool clockwise = current_transition(context).p1 == 0;
  const int frames = std::max(context.transition_frames, 1);
  const float width = static_cast<float>(context.output.width());
  const float height = static_cast<float>(context.output.height());
  FrameCanvas& output = context.output;
  const FrameCanvas& incoming = context.layer.canvas;

  const float inset = kFarEdgeInset * height;
  PlaneEdge near_edge{width * 0.5f, 0, height};
  PlaneEdge far_edge{width * 0.5f, inset, height - inset};
  PlaneEdge& left = clockwise ? near_edge : far_edge;
  PlaneEdge& right = clockwise ? far_edge : near_edge;
  const float spread = width * 0.5f / frames;
  const float grow = kFarEdgeInset * height / frames;

  return render_transition_frames(context, IncomingPhoto::kFrozen, [&](int) {
    left.position -= spread;
    right.position += spread;
    far_edge.start -= grow;
    far_edge.end += grow;
    output.draw(outgoing, 0, 0);
    SliceDrawer(output, SliceAxis::kColumns).draw_plane(incoming, left, right, PlaneSpacing::kEven);
  });
}

}  // namespace pictavo
