#pragma once

#include <QStyledItemDelegate>

namespace pictavo {

// Draws one item of the thumbnail list: the thumbnail centred at the top of its
// cell, the caption under it, and for a selected item a dark blue frame instead
// of the style's highlight, so the thumbnail itself is never tinted.
class ThumbnailDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // Where the thumbnail of a cell is drawn.
  static QRect icon_rect(const QRect& cell, QSize thumbnail);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  void set_cell_size(QSize size) { cell_size_ = size; }

 private:
  QSize cell_size_;
};

}  // namespace pictavo
