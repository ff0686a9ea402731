#include "render/transition_frames.h"
#include "render/transition_renderers.h"

namespace pictavo {
namespace {

constexpr double kPeakOpacity = 0.85;

}  // namespace

// Zoom in: the old picture grows to five times the frame while it fades out over
// the new photo. Zoom out: the new photo shrinks from five times the frame onto
// it while it fades in over the old picture.
int render_zoom(RenderContext& context) {
  const FrameCanvas outgoing = snapshot(context);
  const bool zoom_out = current_transition(context).p1 == 1;
  const int frames = context.transition_frames;
  const int width = context.output.width();
  const int height = context.output.height();
  FrameCanvas& output = context.output;
  const FrameCanvas& incoming = context.layer.canvas;

  // The rectangle stays centred: its corner moves by (dx, dy) per frame.
  RectF rect{0, 0, static_cast<float>(width), static_cast<float>(height)};
  float dx = 0;
  float dy = 0;
  if (frames > 0) {
    dx = static_cast<float>(width * (zoom_out ? 2 : -2)) / static_cast<float>(frames);
    dy = static_cast<float>(height * (zoom_out ? 2 : -2)) / static_cast<float>(frames);
  }
  if (zoom_out) {
    rect = RectF{-2.0f * width, -2.0f * height, 5.0f * width, 5.0f * height};
  }
  // The zooming picture in 32 bits: scaled at an opacity, such pictures take the
  // rasteriser's vectorised bilinear path, several times faster than 24-bit ones.
  FrameCanvas zooming(width, height, FrameCanvas::Format::kArgb32);
  if (!zoom_out) zooming.draw(outgoing, 0, 0);

  return render_transition_frames(context, IncomingPhoto::kAnimated, [&](int t) {
    rect.x += dx;
    rect.y += dy;
    rect.width -= 2 * dx;
    rect.height -= 2 * dy;
    const double progress = static_cast<double>(t) / frames;
    if (zoom_out) {
      zooming.draw(incoming, 0, 0);  // the new photo moves while it zooms
      output.draw(outgoing, 0, 0);
      output.draw(zooming, rect, kPeakOpacity * progress);
    } else {
      output.draw(incoming, 0, 0);
      output.draw(zooming, rect, kPeakOpacity * (1.0 - progress));
    }
  });
}

}  // namespace pictavo
