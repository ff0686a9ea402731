#pragma once

#include <QImage>
#include <QRect>

class QPainter;

namespace pictavo {

// The red cross that marks a photo whose file was not found, over `place`.
void paint_missing_cross(QPainter& painter, const QRect& place);
// A copy of `picture` with the cross over it.
QImage crossed_out(const QImage& picture);

}  // namespace pictavo
