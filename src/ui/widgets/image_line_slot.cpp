#include "ui/widgets/image_line_slot.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "model/photo_item.h"
#include "ui/common/missing_picture.h"
#include "ui/common/theme.h"
#include "ui/widgets/thumbnail_sizes.h"

namespace pictavo::image_line_slot {
namespace {

const QRect kThumbnailRect(54, 17, 80, 60);
const QRect kIconRect(6, 25, 40, 30);
const QRect kTransitionDurationRect(6, 56, 40, 13);
const QRect kPhotoDurationRect(54, 78, 80, 13);
const QRect kStartTimeRect(84, 1, 53, 13);
const QRect kNumberRect(51, 1, 32, 13);
const QColor kLineGrey(0xD3, 0xD3, 0xD3);
const QColor kDropGold(0xFF, 0xD7, 0x00);
const QColor kHighlight(0x00, 0x00, 0xFF, 0x80);
const QColor kSelectedTint(0x33, 0x99, 0xFF, 0x40);

void paint_thumbnail(QPainter& painter, const PhotoItem& photo, const Colours& colours) {
  if (photo.thumbnail && photo.thumbnail->width > 0) {
    const QImage image = thumbnail_picture(*photo.thumbnail);
    const QSize fitted =
        image.deviceIndependentSize().toSize().scaled(kThumbnailRect.size(), Qt::KeepAspectRatio);
    const QRect target(kThumbnailRect.center().x() - fitted.width() / 2 + 1,
                       kThumbnailRect.center().y() - fitted.height() / 2 + 1, fitted.width(),
                       fitted.height());
    painter.drawImage(target, image);
  } else {
    painter.fillRect(kThumbnailRect, colours.lines);
    if (photo.missing) paint_missing_cross(painter, kThumbnailRect);
  }
  painter.setPen(colours.text);
  painter.drawRect(kThumbnailRect.adjusted(-1, -1, 0, 0));
}

}  // namespace

Part part_at(QPoint inside) {
  if (inside.y() < 0 || inside.y() >= kHeight) return Part::kNone;
  if (kTransitionDurationRect.contains(inside)) return Part::kTransitionDuration;
  if (kPhotoDurationRect.contains(inside)) return Part::kPhotoDuration;
  if (inside.x() < 50) return Part::kTransition;
  if (inside.x() > 50) return Part::kImage;
  return Part::kNone;
}

QRect duration_rect(bool display) {
  return display ? kPhotoDurationRect : kTransitionDurationRect;
}

QSize icon_size() {
  return kIconRect.size();
}

Colours colours_for(const QPalette& palette) {
  return {themed(palette, Qt::white, QPalette::Base), themed(palette, Qt::black, QPalette::Text),
          themed(palette, kLineGrey, QPalette::Mid)};
}

void paint(QPainter& painter, const Content& content, const Colours& colours) {
  painter.save();
  painter.setClipRect(0, 0, kWidth, kHeight);
  painter.fillRect(0, 0, kWidth, kHeight, colours.background);
  painter.setPen(colours.lines);
  painter.drawLine(50, 0, 50, 98);
  painter.drawLine(137, 0, 137, 98);
  if (content.photo != nullptr) {
    const PhotoItem& photo = *content.photo;
    const EffectRecord& effect = photo.setting.effect;
    if (content.selected) painter.fillRect(51, 0, kWidth - 52, kHeight, kSelectedTint);
    paint_thumbnail(painter, photo, colours);
    if (content.icon != nullptr) painter.drawPixmap(kIconRect.topLeft(), *content.icon);
    painter.drawText(kTransitionDurationRect, Qt::AlignCenter,
                     QString::number(effect.transition_seconds));
    painter.drawText(kPhotoDurationRect, Qt::AlignCenter, QString::number(effect.display_seconds));
    painter.drawText(kStartTimeRect, Qt::AlignCenter, QString::fromStdString(photo.start.text()));
    painter.drawText(kNumberRect, Qt::AlignCenter, QString::number(content.number));
  }
  if (content.drop_on_transition)
    painter.fillRect(kIconRect, kHighlight);
  else if (content.drop_edge >= 0)
    painter.fillRect(content.drop_edge == 0 ? 1 : 136, 0, 2, kHeight, kDropGold);
  painter.restore();
}

}  // namespace pictavo::image_line_slot
