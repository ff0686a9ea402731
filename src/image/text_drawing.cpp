#include "image/text_drawing.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <memory>

#include "image/cairo_image.h"

namespace pictavo {
namespace {

struct GObjectDeleter {
  void operator()(void* object) const { g_object_unref(object); }
};

struct FontDescriptionDeleter {
  void operator()(PangoFontDescription* font) const { pango_font_description_free(font); }
};

struct AttributeListDeleter {
  void operator()(PangoAttrList* list) const { pango_attr_list_unref(list); }
};

void show_text(cairo_t* cr, std::string_view text, const TextStyle& style, int x, int y) {
  const std::unique_ptr<PangoLayout, GObjectDeleter> layout(pango_cairo_create_layout(cr));
  const std::unique_ptr<PangoFontDescription, FontDescriptionDeleter> font(
      pango_font_description_new());
  pango_font_description_set_family(font.get(), style.font_name.c_str());
  pango_font_description_set_absolute_size(font.get(), std::max(1, style.height) * PANGO_SCALE);
  pango_font_description_set_weight(font.get(),
                                    static_cast<PangoWeight>(std::clamp(style.weight, 100, 1000)));
  pango_font_description_set_style(font.get(),
                                   style.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  pango_layout_set_font_description(layout.get(), font.get());
  if (style.underline) {
    const std::unique_ptr<PangoAttrList, AttributeListDeleter> attributes(pango_attr_list_new());
    pango_attr_list_insert(attributes.get(), pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    pango_layout_set_attributes(layout.get(), attributes.get());
  }
  pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
  cairo_set_source_rgba(cr, style.colour.red / 255.0, style.colour.green / 255.0,
                        style.colour.blue / 255.0, style.colour.alpha / 255.0);
  cairo_move_to(cr, x, y);
  pango_cairo_show_layout(cr, layout.get());
}

}  // namespace

bool draw_text(Image& image, std::string_view text, const TextStyle& style, int x, int y) {
  if (!image.expand_to_colour()) return false;
  if (text.empty()) return true;
  return draw_with_cairo(image, [&](cairo_t* cr) { show_text(cr, text, style, x, y); });
}

}  // namespace pictavo
