#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "render/soft_edge_fade.h"
#include "render/transition_frames.h"
#include "render/transition_renderers.h"

namespace pictavo {
namespace {

struct Hand {
  int fingers;
  float sweep;         // degrees each finger turns over the whole transition
  float smooth_sweep;  // the same with a soft edge: a little further, so the
                       // trail behind the last finger fades out too
  float falloff;       // sub-steps over which the soft edge falls to 0.2
};

// By the fingers parameter: one, two or four fingers.
constexpr std::array<Hand, 3> kHands = {{
    {1, 360.0f, 377.99997f, 15.0f},
    {2, 180.0f, 188.99998f, 15.0f},
    {4, 90.0f, 94.49999f, 30.0f},
}};

constexpr int kSmoothSubSteps = 5;
constexpr float kFirstFinger = -90.0f;  // twelve o'clock, degrees clockwise from 3 o'clock

constexpr double radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}

// The angle of (x, y) seen from the centre, clockwise from the first finger's
// start, taken from the finger that reaches it first.
float angle_behind_fingers(float x, float y, float centre_x, float centre_y, int fingers) {
  const float degrees =
      static_cast<float>(std::atan2(y - centre_y, x - centre_x) * 180.0 / std::numbers::pi);
  const float from_first = std::fmod(degrees - kFirstFinger + 360.0f, 360.0f);
  return std::fmod(from_first, 360.0f / static_cast<float>(fingers));
}

// Without smoothing the pies uncover the new photo at once, with a sharp edge.
int render_hard_clock(RenderContext& context, const FrameCanvas& outgoing, const Hand& hand,
                      float turn_per_frame) {
  FrameCanvas& output = context.output;
  cairo_t* cr = output.cr();
  const double centre_x = output.width() * 0.5;
  const double centre_y = output.height() * 0.5;
  const double radius = std::hypot(output.width(), output.height()) * 0.5;
  float turned = 0;
  return render_transition_frames(context, IncomingPhoto::kAnimated, [&](int) {
    turned += turn_per_frame;
    const double sweep = std::min(turned, 360.0f);
    output.draw(outgoing, 0, 0);
    cairo_save(cr);
    for (int finger = 0; finger < hand.fingers; ++finger) {
      const double start = kFirstFinger + finger * 360.0 / hand.fingers;
      cairo_move_to(cr, centre_x, centre_y);
      cairo_arc(cr, centre_x, centre_y, radius, radians(start), radians(start + sweep));
      cairo_close_path(cr);
    }
    cairo_clip(cr);
    output.draw(context.layer.canvas, 0, 0);
    cairo_restore(cr);
  });
}

}  // namespace

// One, two or four clock fingers sweep round from twelve, three, six and nine
// o'clock, uncovering the new photo as pies behind them.
int render_clock(RenderContext& context) {
  const FrameCanvas outgoing = snapshot(context);
  const TransitionValues params = current_transition(context);
  const Hand& hand = kHands[static_cast<std::size_t>(std::clamp(params.p1, 0, 2))];
  const bool smooth = params.p2 == 1;
  const int frames = std::max(context.transition_frames, 1);
  const float turn_per_frame =
      (smooth ? hand.smooth_sweep : hand.sweep) / static_cast<float>(frames);
  if (!smooth) return render_hard_clock(context, outgoing, hand, turn_per_frame);

  const int width = context.output.width();
  const int height = context.output.height();
  const float sub_step = turn_per_frame / static_cast<float>(kSmoothSubSteps);
  const float centre_x = static_cast<float>(width) * 0.5f;
  const float centre_y = static_cast<float>(height) * 0.5f;
  SoftEdgeFade fade(width, height, kSmoothSubSteps, decay_factor(1.0f, hand.falloff),
                    accumulated_edges(0, sub_step, kSmoothSubSteps * frames),
                    [&](float x, float y) {
                      return angle_behind_fingers(x, y, centre_x, centre_y, hand.fingers);
                    });
  return render_soft_edge(context, outgoing, fade);
}

}  // namespace pictavo
