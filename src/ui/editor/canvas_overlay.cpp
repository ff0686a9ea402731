#include "ui/editor/canvas_overlay.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <algorithm>

#include "image/rgb_quad.h"
#include "model/photo_edits.h"

namespace pictavo {
namespace {

constexpr int kMinTextHeight = 4;
constexpr int kMaxTextHeight = 1000;
// Fonts chosen by points are taken at the screen's usual 96 pixels an inch.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

QStringList lines_of(const TextOverlay& text) {
  return QString::fromStdString(text.text).split(QLatin1Char('\n'));
}

template <typename Record>
QRect box_of(const Record& record) {
  return QRect(record.x, record.y, record.cx, record.cy);
}

}  // namespace

QColor colour_of(std::uint32_t colour_value) {
  const RgbQuad quad = rgb_quad_from_colour_value(colour_value);
  return QColor(quad.red, quad.green, quad.blue);
}

std::uint32_t colour_value_of(const QColor& colour) {
  return static_cast<std::uint32_t>(colour.red()) |
         static_cast<std::uint32_t>(colour.green()) << 8 |
         static_cast<std::uint32_t>(colour.blue()) << 16;
}

QFont font_of(const TextOverlay& text) {
  QFont font(QString::fromStdString(text.font_name.empty() ? "Arial" : text.font_name));
  font.setPixelSize(std::clamp(
      text.font_height != 0 ? std::abs(text.font_height) : TextOverlay::kDefaultFontHeight,
      kMinTextHeight, kMaxTextHeight));
  font.setWeight(static_cast<QFont::Weight>(std::clamp(
      text.font_weight > 0 ? text.font_weight : TextOverlay::kDefaultFontWeight, 1, 1000)));
  font.setItalic(text.italic != 0);
  return font;
}

void set_font(TextOverlay& text, const QFont& font) {
  text.set_font_name(font.family().toStdString());
  const int height = font.pixelSize() > 0
                         ? font.pixelSize()
                         : static_cast<int>(font.pointSizeF() * kPixelsPerPoint + 0.5);
  text.font_height = std::clamp(height, kMinTextHeight, kMaxTextHeight);
  text.font_weight = font.weight();
  text.italic = font.italic() ? 1 : 0;
}

CanvasOverlay::CanvasOverlay(TextOverlay text) : record_(std::move(text)) {
  fit_box_to_text();
}

CanvasOverlay::CanvasOverlay(PictureOverlay decoration, QImage picture)
    : picture_(std::move(picture)) {
  // A record without a size is burned in at the decoration size; it shows so too.
  if (decoration.cx <= 0) decoration.cx = kDecorationSize;
  if (decoration.cy <= 0) decoration.cy = kDecorationSize;
  record_ = std::move(decoration);
}

EditItem CanvasOverlay::record() const {
  if (const TextOverlay* text = this->text())
    return EditItem(std::in_place_type<TextOverlay>, *text);
  return EditItem(std::in_place_type<PictureOverlay>, std::get<PictureOverlay>(record_));
}

void CanvasOverlay::set_text(const TextOverlay& text) {
  if (!is_text()) return;
  record_ = text;
  fit_box_to_text();
}

QRect CanvasOverlay::box() const {
  return std::visit([](const auto& record) { return box_of(record); }, record_);
}

void CanvasOverlay::move_to(QPoint top_left) {
  std::visit(
      [top_left](auto& record) {
        record.x = top_left.x();
        record.y = top_left.y();
      },
      record_);
}

void CanvasOverlay::move_by(QPoint step) {
  move_to(box().topLeft() + step);
}

void CanvasOverlay::resize_to(QSize size) {
  if (TextOverlay* text = std::get_if<TextOverlay>(&record_)) {
    if (text->cy <= 0) return;
    const int height = font_of(*text).pixelSize();
    text->font_height =
        std::clamp(height * size.height() / text->cy, kMinTextHeight, kMaxTextHeight);
    fit_box_to_text();
    return;
  }
  PictureOverlay& decoration = std::get<PictureOverlay>(record_);
  decoration.cx = std::max(1, size.width());
  decoration.cy = std::max(1, size.height());
}

void CanvasOverlay::fit_box_to_text() {
  TextOverlay& text = std::get<TextOverlay>(record_);
  const QFontMetrics metrics(font_of(text));
  const QStringList lines = lines_of(text);
  int width = 1;
  for (const QString& line : lines)
    width = std::max(width, metrics.horizontalAdvance(line));
  text.cx = width;
  text.cy = static_cast<int>(lines.size()) * metrics.lineSpacing();
}

void CanvasOverlay::paint(QPainter& painter) const {
  if (const TextOverlay* text = this->text()) {
    painter.setFont(font_of(*text));
    painter.setPen(colour_of(text->font_color));
    const QFontMetrics metrics(painter.font());
    int baseline = text->y + metrics.ascent();
    for (const QString& line : lines_of(*text)) {
      painter.drawText(text->x, baseline, line);
      baseline += metrics.lineSpacing();
    }
    return;
  }
  painter.drawImage(box(), picture_);
}

}  // namespace pictavo
