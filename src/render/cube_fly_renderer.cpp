#include <utility>

#include "render/edge_path.h"
#include "render/slice_drawer.h"
#include "render/transition_frames.h"
#include "render/transition_renderers.h"

namespace pictavo {
namespace {

enum CubeDirection { kBottomToUp = 0, kUpToBottom = 1, kLeftToRight = 2, kRightToLeft = 3 };

// The turn's first phase, as a fraction of the transition.
constexpr double kFirstPhase = 0.6;
// At the end of the first phase: how far the outer edges have come in from the
// frame's sides, as a fraction of the size along the turn, and by how much the
// far edges of the old and the new face have shortened, as a fraction of their
// length.
constexpr float kOuterInset = 0.05f;
constexpr float kOldFarShortening = 0.2f;
constexpr float kNewFarShortening = 0.1f;

}  // namespace

// The old picture and the new photo are two faces of a cube that turns: the edge
// they share crosses the frame at a steady pace, the cube draws back a little
// and its far edges shorten while it turns, and the new face ends flat over the
// whole frame. Up to bottom and left to right bring the new face in from the
// top or the left; the other two directions are their mirror images.
int render_cube_fly(RenderContext& context) {
  const FrameCanvas outgoing = snapshot(context);
  const int direction = current_transition(context).p1;
  const int frames = context.transition_frames;
  const int split = static_cast<int>(frames * kFirstPhase);
  FrameCanvas& output = context.output;
  const FrameCanvas& incoming = context.layer.canvas;
  const std::uint32_t colour = background_colour(context);
  const bool rows = direction == kBottomToUp || direction == kUpToBottom;
  const bool mirrored = direction == kBottomToUp || direction == kRightToLeft;
  const SliceAxis axis = rows ? SliceAxis::kRows : SliceAxis::kColumns;
  // Along the turn (where the shared edge travels) and along the edges.
  const float size = static_cast<float>(rows ? output.height() : output.width());
  const float length = static_cast<float>(rows ? output.width() : output.height());

  // Laid out for the new face coming in from the top or the left.
  const auto far_edge = [&](float position, float shortening) {
    return PlaneEdge{position, 0.5f * shortening * length, (1 - 0.5f * shortening) * length};
  };
  const PlaneEdge new_outer{0, 0, length};
  const PlaneEdge old_outer{size, 0, length};
  const EdgePath new_path{new_outer, far_edge(kOuterInset * size, kNewFarShortening), new_outer};
  const EdgePath old_path{old_outer, far_edge((1 - kOuterInset) * size, kOldFarShortening),
                          old_outer};

  // Draws a face between its edge nearer the top or left and the other one.
  const auto draw_face = [&](SliceDrawer& drawer, const FrameCanvas& face, PlaneEdge low,
                             PlaneEdge high) {
    if (mirrored) {
      low.position = size - low.position;
      high.position = size - high.position;
      std::swap(low, high);
    }
    drawer.draw_plane(face, low, high, PlaneSpacing::kPerspective);
  };

  return render_transition_frames(context, IncomingPhoto::kFrozen, [&](int t) {
    const float shared_position = size * static_cast<float>(t + 1) / static_cast<float>(frames);
    const PlaneEdge shared{shared_position, 0, length};
    PlaneEdge shared_hard = shared;
    shared_hard.hard = true;  // the new face is drawn over the seam
    output.fill(colour);
    SliceDrawer drawer(output, axis);
    draw_face(drawer, outgoing, shared_hard, old_path.at(t, split, frames));
    draw_face(drawer, incoming, new_path.at(t, split, frames), shared);
  });
}

}  // namespace pictavo
