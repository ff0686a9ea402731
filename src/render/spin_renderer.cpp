#include <cmath>

#include "render/transition_frames.h"
#include "render/transition_renderers.h"

namespace pictavo {
namespace {

constexpr float kDegreesPerFrame = 30.0f;

}  // namespace

// The old picture spins down to a point at the centre during the first half; the
// new photo spins up from it during the second and ends upright at full size.
int render_spin(RenderContext& context) {
  const FrameCanvas outgoing = snapshot(context);
  const float turn = current_transition(context).p1 == 0 ? kDegreesPerFrame : -kDegreesPerFrame;
  const int frames = context.transition_frames;
  const int first_half = frames / 2;
  const int width = context.output.width();
  const int height = context.output.height();
  const std::uint32_t colour = background_colour(context);
  FrameCanvas& output = context.output;
  const FrameCanvas& incoming = context.layer.canvas;

  RectF rect{0, 0, static_cast<float>(width), static_cast<float>(height)};
  float dx = 0;
  float dy = 0;
  if (first_half > 0) {
    dx = 0.5f * width / first_half;
    dy = 0.5f * height / first_half;
  }
  float angle = 0;

  return render_transition_frames(context, IncomingPhoto::kAnimated, [&](int t) {
    if (t == first_half) {
      // Start the second half at the angle from which its turns end upright.
      const int second_half = frames - first_half;
      angle = 360.0f - std::fmod(std::trunc(second_half * turn), 360.0f);
      dx = -0.5f * width / second_half;
      dy = -0.5f * height / second_half;
    }
    angle += turn;
    rect.x += dx;
    rect.y += dy;
    rect.width -= 2 * dx;
    rect.height -= 2 * dy;
    output.fill(colour);
    output.rotate_about(angle, width / 2, height / 2);
    output.draw(t < first_half ? outgoing : incoming, rect);
    output.reset_transform();
  });
}

}  // namespace pictavo
