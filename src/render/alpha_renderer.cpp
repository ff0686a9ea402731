#include "render/transition_frames.h"
#include "render/transition_renderers.h"

namespace pictavo {
namespace {

enum AlphaMode { kNormal = 0, kFadeToWhite = 1, kFadeToBlack = 2 };

}  // namespace

// Normal: the new photo fades in over the old picture. Through white or black:
// the old picture fades into the colour during the first half, the new photo out
// of it during the second.
int render_alpha(RenderContext& context) {
  const FrameCanvas outgoing = snapshot(context);
  const int mode = current_transition(context).p1;
  const std::uint32_t middle = mode == kFadeToWhite ? kOpaqueWhite : kOpaqueBlack;
  const int frames = context.transition_frames;
  const int half = frames / 2;
  FrameCanvas& output = context.output;
  const FrameCanvas& incoming = context.layer.canvas;

  return render_transition_frames(context, IncomingPhoto::kAnimated, [&](int t) {
    const auto opacity = [frames](int step) {
      return static_cast<float>(step) / static_cast<float>(frames);
    };
    if (mode == kNormal) {
      output.draw(outgoing, 0, 0);
      output.draw(incoming, 0, 0, opacity(t + 1));
    } else if (t < half) {
      output.draw(outgoing, 0, 0);
      output.paint_colour(middle, opacity((t + 1) * 2));
    } else {
      output.fill(middle);
      output.draw(incoming, 0, 0, opacity((t - half + 1) * 2));
    }
  });
}

}  // namespace pictavo
