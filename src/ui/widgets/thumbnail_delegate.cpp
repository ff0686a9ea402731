#include "ui/widgets/thumbnail_delegate.h"

#include <QPainter>

#include "ui/common/theme.h"

namespace pictavo {
namespace {

constexpr int kTopMargin = 6;
constexpr int kCaptionGap = 2;
constexpr int kFrameInset = 3;
constexpr int kFrameWidth = 2;
const QColor kSelectionFrame{0x00, 0x00, 0x8B};

}  // namespace

QRect ThumbnailDelegate::icon_rect(const QRect& cell, QSize thumbnail) {
  return {cell.x() + (cell.width() - thumbnail.width()) / 2, cell.y() + kTopMargin,
          thumbnail.width(), thumbnail.height()};
}

void ThumbnailDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  painter->save();
  painter->fillRect(option.rect, themed(option.palette, Qt::white, QPalette::Base));
  const QImage thumbnail = index.data(Qt::DecorationRole).value<QImage>();
  const QRect icon = icon_rect(option.rect, thumbnail.deviceIndependentSize().toSize());
  painter->drawImage(icon, thumbnail);

  const QString caption = index.data(Qt::DisplayRole).toString();
  if (!caption.isEmpty()) {
    const QRect text(option.rect.left() + kFrameInset, icon.bottom() + 1 + kCaptionGap,
                     option.rect.width() - 2 * kFrameInset,
                     option.rect.bottom() - icon.bottom() - kCaptionGap);
    painter->setFont(option.font);
    painter->setPen(option.palette.color(QPalette::Text));
    painter->drawText(text, Qt::AlignHCenter | Qt::AlignTop,
                      option.fontMetrics.elidedText(caption, Qt::ElideMiddle, text.width()));
  }

  if (option.state & QStyle::State_Selected) {
    painter->setPen(
        QPen(themed(option.palette, kSelectionFrame, QPalette::Highlight), kFrameWidth));
    painter->setBrush(Qt::NoBrush);
    const int half = kFrameWidth / 2;
    painter->drawRect(option.rect.adjusted(kFrameInset + half, half, -kFrameInset - half, -half));
  }
  painter->restore();
}

QSize ThumbnailDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
  return cell_size_;
}

}  // namespace pictavo
