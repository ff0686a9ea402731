#include "ui/common/transition_cover.h"

#include <QColor>

#include "effects/effect_set.h"
#include "ui/common/path_text.h"

namespace pictavo {

QPixmap transition_cover(const EffectSet& effects, TransitionType type, QSize size) {
  const QPixmap cover(path_text(effects.cover_path(picker_index(type))));
  if (!cover.isNull()) return cover.scaled(size);
  QPixmap empty(size);
  empty.fill(QColor(0xD3, 0xD3, 0xD3));
  return empty;
}

}  // namespace pictavo
