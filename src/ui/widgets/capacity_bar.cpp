#include "ui/widgets/capacity_bar.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

namespace pictavo {

CapacityBar::CapacityBar(QWidget* parent) : QWidget(parent) {}

void CapacityBar::set_used(float megabytes) {
  used_ = megabytes;
  update();
}

QString CapacityBar::text() const {
  // The trailing blank belongs to the text.
  return tr("Total: %1MB used:%2MB ")
      .arg(QString::number(kMaximum, 'f', 2), QString::number(used_, 'f', 2));
}

void CapacityBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect frame = rect().adjusted(0, 0, -1, -1);
  painter.fillRect(frame, palette().base());
  const double share = std::clamp(static_cast<double>(used_) / kMaximum, 0.0, 1.0);
  const QRect filled(frame.left(), frame.top(), static_cast<int>(frame.width() * share),
                     frame.height());
  QLinearGradient gradient(filled.topLeft(), filled.bottomLeft());
  gradient.setColorAt(0, QColor(0x00, 0xFF, 0x00));
  gradient.setColorAt(1, QColor(0x00, 0x80, 0x00));
  painter.fillRect(filled, gradient);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(frame);
  painter.setPen(palette().color(QPalette::Text));
  painter.drawText(rect(), Qt::AlignCenter, text());
}

}  // namespace pictavo
