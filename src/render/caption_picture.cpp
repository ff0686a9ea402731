#include "render/caption_picture.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace pictavo {
namespace {

// Shares of the frame's shorter side (its height, but for a portrait frame its
// width): the font's em (a sans-serif capital is about 0.73 of it), the outline on
// each side of a stroke, and the margin to the edge.
constexpr double kEmShare = 0.075;
constexpr double kOutlineShare = 0.12;  // of the em
constexpr double kMarginShare = 0.045;
constexpr double kWidthShare = 0.92;  // of the frame's width, at most
// A longer caption wraps onto a second line, and is cut with "…" at its end.
constexpr int kMaxLines = 2;

struct GObjectDeleter {
  void operator()(void* object) const { g_object_unref(object); }
};
struct FontDescriptionDeleter {
  void operator()(PangoFontDescription* font) const { pango_font_description_free(font); }
};

using LayoutPtr = std::unique_ptr<PangoLayout, GObjectDeleter>;

LayoutPtr caption_layout(cairo_t* cr, std::string_view text, double em, int max_width) {
  LayoutPtr layout(pango_cairo_create_layout(cr));
  const std::unique_ptr<PangoFontDescription, FontDescriptionDeleter> font(
      pango_font_description_from_string("Sans Bold"));
  pango_font_description_set_absolute_size(font.get(), em * PANGO_SCALE);
  pango_layout_set_font_description(layout.get(), font.get());
  pango_layout_set_single_paragraph_mode(layout.get(), TRUE);
  pango_layout_set_width(layout.get(), max_width * PANGO_SCALE);
  pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
  pango_layout_set_height(layout.get(), -kMaxLines);
  pango_layout_set_ellipsize(layout.get(), PANGO_ELLIPSIZE_END);
  pango_layout_set_alignment(layout.get(), PANGO_ALIGN_CENTER);
  pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
  return layout;
}

}  // namespace

CaptionPicture caption_picture(std::string_view text, CaptionPlacement placement, int frame_width,
                               int frame_height) {
  CaptionPicture caption;
  if (text.empty() || frame_width <= 0 || frame_height <= 0) return caption;
  const int shorter_side = std::min(frame_width, frame_height);
  const double em = std::max(8.0, shorter_side * kEmShare);
  const double outline = std::max(1.0, em * kOutlineShare);
  const int border = static_cast<int>(std::ceil(outline)) + 1;
  const int max_width = std::max(1, static_cast<int>(frame_width * kWidthShare) - 2 * border);

  // Measured on a scratch surface, then drawn on one of the text's own size.
  FrameCanvas scratch(1, 1, FrameCanvas::Format::kArgb32);
  if (!scratch.valid()) return caption;
  const LayoutPtr layout = caption_layout(scratch.cr(), text, em, max_width);
  // The lines are centred in the widest one's extents, which is all the picture holds.
  PangoRectangle logical;
  pango_layout_get_pixel_extents(layout.get(), nullptr, &logical);

  caption.picture = FrameCanvas(logical.width + 2 * border, logical.height + 2 * border,
                                FrameCanvas::Format::kArgb32);
  if (!caption.picture.valid()) return caption;
  cairo_t* cr = caption.picture.cr();
  pango_cairo_update_layout(cr, layout.get());
  cairo_save(cr);
  cairo_move_to(cr, border - logical.x, border - logical.y);
  pango_cairo_layout_path(cr, layout.get());
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 2 * outline);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.85);
  cairo_stroke_preserve(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill(cr);
  cairo_restore(cr);

  const double margin = shorter_side * kMarginShare;
  caption.x = static_cast<float>(std::round((frame_width - caption.picture.width()) / 2.0));
  caption.y = static_cast<float>(
      std::round(placement == CaptionPlacement::kTop
                     ? margin - border
                     : frame_height - margin - caption.picture.height() + border));
  return caption;
}

}  // namespace pictavo
