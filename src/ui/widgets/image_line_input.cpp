// The image line's mouse, drag and drop: selecting with the mouse, dragging the
// selected photos, dropping photos and transitions, and scrolling near the ends.
#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <algorithm>

#include "ui/widgets/edge_scroller.h"
#include "ui/widgets/image_line.h"
#include "ui/widgets/thumbnail_drag_data.h"

namespace pictavo {

void ImageLine::mousePressEvent(QMouseEvent* event) {
  setFocus();
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  const QPoint point = event->position().toPoint();
  const int slot = slot_at(point.x());
  const Part part = part_at(point);
  if (part == Part::kPhotoDuration || part == Part::kTransitionDuration) {
    begin_edit(slot, part);
    return;
  }
  commit_edit();
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  press_point_ = point;
  if (selection_.contains(slot) && !shift) {
    mouse_ = MouseState::kPressedOnSelected;
    return;
  }
  mouse_ = MouseState::kSelecting;
  selection_.begin_range(slot, ctrl, shift);
  update();
}

void ImageLine::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  // A hand that trembles while clicking neither drags nor marks a range.
  if ((point - press_point_).manhattanLength() < QApplication::startDragDistance()) return;
  if (mouse_ == MouseState::kSelecting) {
    selection_.extend_range(slot_at(point.x()));
    update();
    scroller_->follow(point.x(), width());
  } else if (mouse_ == MouseState::kPressedOnSelected) {
    start_drag();
  }
}

void ImageLine::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  if (event->button() == Qt::LeftButton && part_at(point) == Part::kImage)
    emit edit_requested(slot_at(point.x()));
}

void ImageLine::mouseReleaseEvent(QMouseEvent*) {
  if (mouse_ == MouseState::kPressedOnSelected) {
    selection_.clear();
    update();
  }
  mouse_ = MouseState::kIdle;
  scroller_->stop();
}

void ImageLine::auto_scroll_tick(int direction) {
  scroll_bar_->setValue(scroll_bar_->value() + direction * kSlotWidth);
  if (mouse_ == MouseState::kSelecting) {
    selection_.extend_range(std::clamp(selection_.range_end() + direction, 0, slot_count() - 1));
    update();
  }
}

void ImageLine::start_drag() {
  mouse_ = MouseState::kDragging;
  auto* data = new QMimeData;
  data->setData(kImageLineMimeType, encode_thumbnail_drag(selected_photos()));
  auto* drag = new QDrag(this);
  drag->setMimeData(data);
  drag->exec(Qt::CopyAction | Qt::MoveAction);
  drop_mark_ = {};
  mouse_ = MouseState::kIdle;
  scroller_->stop();
  update();
}

void ImageLine::contextMenuEvent(QContextMenuEvent* event) {
  const int photo = photo_at_slot(slot_at(event->pos().x()));
  const Part part = part_at(event->pos());
  if (photo < 0 || part == Part::kNone) return;
  if (!selection_.contains(photo)) {
    const int one[] = {photo};
    select_photos(one);
  }
  QMenu* menu = make_context_menu(photo, part);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

ImageLineDrop ImageLine::drop_at(QPoint point, const QMimeData& data) const {
  const int slot = slot_at(point.x());
  if (!is_photo(slot)) return {};
  return image_line_drop(data, slot, point.x() % kSlotWidth, kSlotWidth);
}

void ImageLine::dragEnterEvent(QDragEnterEvent* event) {
  if (image_line_accepts(*event->mimeData())) event->acceptProposedAction();
}

void ImageLine::dragMoveEvent(QDragMoveEvent* event) {
  const QPoint point = event->position().toPoint();
  drop_mark_ = drop_at(point, *event->mimeData());
  scroller_->follow(point.x(), width());
  event->acceptProposedAction();
  update();
}

void ImageLine::dragLeaveEvent(QDragLeaveEvent*) {
  drop_mark_ = {};
  scroller_->stop();
  update();
}

void ImageLine::dropEvent(QDropEvent* event) {
  const QPoint point = event->position().toPoint();
  const ImageLineDrop drop = drop_at(point, *event->mimeData());
  drop_mark_ = {};
  scroller_->stop();
  if (drop.slot >= 0) {
    if (drop.transition)
      drop_transition(drop.picker_index, drop.slot);
    else
      drop_photos(drop.photos, drop.slot, drop.before);
  }
  event->acceptProposedAction();
  update();
}

}  // namespace pictavo
