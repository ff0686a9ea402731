#pragma once

#include <QColor>
#include <QPalette>
#include <QPoint>
#include <QRect>

class QPainter;
class QPixmap;

namespace pictavo {

class PhotoItem;

// One slot of the image line, 138 × 100 pixels: the transition into the photo
// (its icon and duration) on the left, the photo (thumbnail, display time, start
// time and number) on the right.
namespace image_line_slot {

inline constexpr int kWidth = 138;
inline constexpr int kHeight = 100;

// The parts of a slot a click can hit.
enum class Part { kNone, kTransition, kTransitionDuration, kImage, kPhotoDuration };

// The part at a point of a slot, from the slot's top left corner.
Part part_at(QPoint inside);
// Where a duration is shown (and typed) in a slot: the display time or the
// transition's.
QRect duration_rect(bool display);
// The size transition icons are drawn at.
QSize icon_size();

// What a slot shows; a slot without a photo is empty.
struct Content {
  const PhotoItem* photo = nullptr;
  int number = 0;
  bool selected = false;
  const QPixmap* icon = nullptr;  // the transition's; none for an unknown one
  // A drop mark: on the transition, or a bar before or after the photo.
  bool drop_on_transition = false;
  int drop_edge = -1;  // -1 none, 0 before, 1 after
};

// The colours a slot is painted in, from the widget's palette.
struct Colours {
  QColor background;
  QColor text;
  QColor lines;
};
Colours colours_for(const QPalette& palette);

// Paints a slot with its top left corner at the painter's origin.
void paint(QPainter& painter, const Content& content, const Colours& colours);

}  // namespace image_line_slot
}  // namespace pictavo
