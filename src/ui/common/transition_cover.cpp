#include "ui/common/transition_cover.h"

#include <QColor>

#include "effects/effect_set.h"
#include "ui/common/path_text.h"

namespace pictavo {

QPixmap transition_cover(const EffectSet& effects, TransitionType type, QSize size,
                         qreal pixel_ratio) {
  const QPixmap cover(path_text(effects.cover_path(picker_index(type))));
  QPixmap shown = cover.isNull() ? QPixmap(size * pixel_ratio)
                                 : cover.scaled(size * pixel_ratio, Qt::IgnoreAspectRatio,
                                                Qt::SmoothTransformation);
  if (cover.isNull()) shown.fill(QColor(0xD3, 0xD3, 0xD3));
  shown.setDevicePixelRatio(pixel_ratio);
  return shown;
}

}  // namespace pictavo
