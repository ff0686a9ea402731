#pragma once

#include <QPixmap>
#include <QSize>

#include "effects/transition_type.h"

namespace pictavo {

class EffectSet;

// The effect picker's picture of a transition at `size`, with `pixel_ratio`
// device pixels to each of its pixels; a missing picture gives an empty grey one.
QPixmap transition_cover(const EffectSet& effects, TransitionType type, QSize size,
                         qreal pixel_ratio);

}  // namespace pictavo
