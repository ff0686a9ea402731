#include "render/transition_frames.h"
#include "render/transition_renderers.h"

namespace pictavo {
namespace {

struct Offset {
  float x = 0;
  float y = 0;
};

enum WipeDirection { kLeftToRight = 0, kRightToLeft = 1, kBottomToUp = 2, kUpToBottom = 3 };

}  // namespace

// The new photo slides in from one side over the old picture, or pushes it out.
int render_wipe(RenderContext& context) {
  const FrameCanvas outgoing = snapshot(context);
  const TransitionValues params = current_transition(context);
  const bool push = params.p2 == 1;
  const int frames = std::max(context.transition_frames, 1);
  const float width = static_cast<float>(context.output.width());
  const float height = static_cast<float>(context.output.height());
  FrameCanvas& output = context.output;
  const FrameCanvas& incoming = context.layer.canvas;

  Offset incoming_at;
  Offset velocity;
  switch (params.p1) {
    case kLeftToRight:
      incoming_at = {-width, 0};
      velocity = {width / frames, 0};
      break;
    case kRightToLeft:
      incoming_at = {width, 0};
      velocity = {-width / frames, 0};
      break;
    case kBottomToUp:
      incoming_at = {0, height};
      velocity = {0, -height / frames};
      break;
    default:  // kUpToBottom
      incoming_at = {0, -height};
      velocity = {0, height / frames};
      break;
  }
  Offset outgoing_at;
  const Offset outgoing_velocity = push ? velocity : Offset{};

  return render_transition_frames(context, IncomingPhoto::kAnimated, [&](int) {
    incoming_at.x += velocity.x;
    incoming_at.y += velocity.y;
    outgoing_at.x += outgoing_velocity.x;
    outgoing_at.y += outgoing_velocity.y;
    output.draw(outgoing, outgoing_at.x, outgoing_at.y);
    output.draw(incoming, incoming_at.x, incoming_at.y);
  });
}

}  // namespace pictavo
