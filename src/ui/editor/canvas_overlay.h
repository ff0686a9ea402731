#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>
#include <variant>

#include "model/edit_item.h"

class QColor;
class QFont;
class QPainter;

namespace pictavo {

// A text or a decoration laid over the picture editor's canvas, in canvas pixels.
// It stays movable until saving turns it into its edit record and burns it in.
class CanvasOverlay {
 public:
  explicit CanvasOverlay(TextOverlay text);
  CanvasOverlay(PictureOverlay decoration, QImage picture);

  bool is_text() const { return std::holds_alternative<TextOverlay>(record_); }
  // The overlay's edit record, its box in cx and cy.
  EditItem record() const;
  const TextOverlay* text() const { return std::get_if<TextOverlay>(&record_); }
  // Changes the text's words, font or colour; its box follows.
  void set_text(const TextOverlay& text);

  QRect box() const;
  void move_to(QPoint top_left);
  void move_by(QPoint step);
  // A decoration takes the box's size; a text's font height follows the box's
  // height, and its width follows the text.
  void resize_to(QSize size);
  void paint(QPainter& painter) const;

 private:
  void fit_box_to_text();

  std::variant<TextOverlay, PictureOverlay> record_;
  QImage picture_;
};

// The font a text overlay is drawn with: its face, its height in pixels, weight
// and slant.
QFont font_of(const TextOverlay& text);
// Takes the face, height, weight and slant of `font` into the text.
void set_font(TextOverlay& text, const QFont& font);
// A text's colour value 0x00BBGGRR as Qt's colour, and back.
QColor colour_of(std::uint32_t colour_value);
std::uint32_t colour_value_of(const QColor& colour);

}  // namespace pictavo
