#include "ui/widgets/hint_balloon.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/common/theme.h"

namespace pictavo {
namespace {

constexpr int kWidth = 130;
constexpr int kHeight = 100;
constexpr int kPointerHeight = 16;
constexpr int kPointerInset = 24;  // from the left edge to the pointer's tip
constexpr int kPointerBase = 16;
constexpr qreal kCornerRadius = 8;
constexpr int kMargin = 8;
const QColor kFill{0xFF, 0xFF, 0xE1};
const QColor kBorder{0x60, 0x60, 0x60};

}  // namespace

HintBalloon::HintBalloon(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(16);
  font.setWeight(QFont::Bold);
  setFont(font);
  setFixedSize(kWidth, kHeight);
  setCursor(Qt::PointingHandCursor);
  hide();
}

void HintBalloon::point_at(QPoint spot) {
  move(spot.x() - kPointerInset, spot.y());
  show();
  raise();
}

void HintBalloon::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF body(0.5, kPointerHeight + 0.5, kWidth - 1, kHeight - kPointerHeight - 1);
  QPainterPath outline;
  outline.addRoundedRect(body, kCornerRadius, kCornerRadius);
  QPainterPath pointer;
  pointer.moveTo(kPointerInset, 0.5);
  pointer.lineTo(kPointerInset + kPointerBase, body.top() + 1);
  pointer.lineTo(kPointerInset - kPointerBase / 4, body.top() + 1);
  pointer.closeSubpath();
  outline = outline.united(pointer);
  painter.setPen(themed(palette(), kBorder, QPalette::Mid));
  painter.setBrush(themed(palette(), kFill, QPalette::ToolTipBase));
  painter.drawPath(outline);
  painter.setPen(themed(palette(), Qt::black, QPalette::ToolTipText));
  painter.drawText(body.adjusted(kMargin, kMargin, -kMargin, -kMargin),
                   Qt::AlignCenter | Qt::TextWordWrap, text_);
}

void HintBalloon::mousePressEvent(QMouseEvent*) {
  hide();
}

}  // namespace pictavo
