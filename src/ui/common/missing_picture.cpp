#include "ui/common/missing_picture.h"

#include <QPainter>
#include <algorithm>

namespace pictavo {

void paint_missing_cross(QPainter& painter, const QRect& place) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const int side = std::min(place.width(), place.height()) / 2;
  const QRect cross(place.center().x() - side / 2, place.center().y() - side / 2, side, side);
  // White under red keeps the cross seen on a dark or a red picture.
  const qreal width = std::max(2.0, side / 8.0);
  for (const auto& [colour, pen_width] :
       {std::pair{QColor(Qt::white), width + 2}, std::pair{QColor(0xD0, 0x10, 0x10), width}}) {
    painter.setPen(QPen(colour, pen_width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
  }
  painter.restore();
}

QImage crossed_out(const QImage& picture) {
  QImage crossed = picture.convertToFormat(QImage::Format_RGB32);
  QPainter painter(&crossed);
  paint_missing_cross(painter, crossed.rect());
  return crossed;
}

}  // namespace pictavo
