#include "render/blurred_backdrop.h"

#include <cairo.h>

#include <algorithm>

#include "render/argb.h"

namespace pictavo {
namespace {

// The picture is reduced to about a thirty-second of the frame and brought back:
// halving and doubling in steps averages each step's pixels, which blurs smoothly
// where one large bilinear step would leave blocks.
constexpr int kReduction = 32;
constexpr double kDarkening = 0.45;

// Draws `source` scaled into `rect`, its edge pixels repeated beyond its sides so
// that the blur does not darken the frame's edges.
void draw_padded(FrameCanvas& target, const FrameCanvas& source, const RectF& rect) {
  cairo_t* cr = target.cr();
  cairo_save(cr);
  cairo_translate(cr, rect.x, rect.y);
  cairo_scale(cr, rect.width / source.width(), rect.height / source.height());
  cairo_set_source_surface(cr, source.surface(), 0, 0);
  cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
  cairo_paint(cr);
  cairo_restore(cr);
}

FrameCanvas resized(const FrameCanvas& source, int width, int height) {
  FrameCanvas target(std::max(width, 1), std::max(height, 1));
  draw_padded(target, source,
              RectF{0, 0, static_cast<float>(target.width()), static_cast<float>(target.height())});
  return target;
}

}  // namespace

FrameCanvas blurred_backdrop(const FrameCanvas& photo, int width, int height) {
  if (!photo.valid() || width <= 0 || height <= 0) return {};
  // The photo's middle, with the frame's shape, so that it covers the frame.
  const double scale = std::max(static_cast<double>(width) / photo.width(),
                                static_cast<double>(height) / photo.height());
  const float covered_width = static_cast<float>(photo.width() * scale / 2);
  const float covered_height = static_cast<float>(photo.height() * scale / 2);
  FrameCanvas step((width + 1) / 2, (height + 1) / 2);
  draw_padded(step, photo,
              RectF{(step.width() - covered_width) / 2, (step.height() - covered_height) / 2,
                    covered_width, covered_height});
  while (step.width() > width / kReduction && step.height() > height / kReduction)
    step = resized(step, step.width() / 2, step.height() / 2);
  while (step.width() * 2 < width && step.height() * 2 < height)
    step = resized(step, step.width() * 2, step.height() * 2);
  FrameCanvas backdrop = resized(step, width, height);
  backdrop.paint_colour(kOpaqueBlack, kDarkening);
  return backdrop;
}

}  // namespace pictavo
