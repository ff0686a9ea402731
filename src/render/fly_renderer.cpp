#include "render/edge_path.h"
#include "render/slice_drawer.h"
#include "render/transition_frames.h"
#include "render/transition_renderers.h"

namespace pictavo {

// Fly in: the new photo grows out of the frame's centre lying tilted back, its
// far (top) edge a quarter of the way below the centre, then stands up about its
// bottom edge until it covers the frame. Fly out plays the same backwards with
// the old picture, over the new photo already moving underneath.
int render_fly(RenderContext& context) {
  const FrameCanvas outgoing = snapshot(context);
  const bool fly_in = current_transition(context).p1 == 0;
  const int frames = context.transition_frames;
  const int split = static_cast<int>(frames * 0.5);
  FrameCanvas& output = context.output;
  const FrameCanvas& incoming = context.layer.canvas;
  const float w = static_cast<float>(output.width());
  const float h = static_cast<float>(output.height());

  const PlaneEdge point{0.5f * h, 0.5f * w, 0.5f * w};
  const PlaneEdge lying_top{0.75f * h, 0.25f * w, 0.75f * w};
  const PlaneEdge top{0, 0, w};
  const PlaneEdge bottom{h, 0, w};
  const EdgePath top_path =
      fly_in ? EdgePath{point, lying_top, top} : EdgePath{top, lying_top, point};
  const EdgePath bottom_path =
      fly_in ? EdgePath{point, bottom, bottom} : EdgePath{bottom, bottom, point};
  const FrameCanvas& flying = fly_in ? incoming : outgoing;
  const FrameCanvas& below = fly_in ? outgoing : incoming;

  const IncomingPhoto motion = fly_in ? IncomingPhoto::kFrozen : IncomingPhoto::kAnimated;
  return render_transition_frames(context, motion, [&](int t) {
    output.draw(below, 0, 0);
    SliceDrawer(output, SliceAxis::kRows)
        .draw_plane(flying, top_path.at(t, split, frames), bottom_path.at(t, split, frames),
                    PlaneSpacing::kPerspective);
  });
}

}  // namespace pictavo
