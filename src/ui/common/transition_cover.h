#pragma once

#include <QPixmap>
#include <QSize>

#include "effects/transition_type.h"

namespace pictavo {

class EffectSet;

// The effect picker's picture of a transition at `size`; a missing picture gives
// an empty grey one of that size.
QPixmap transition_cover(const EffectSet& effects, TransitionType type, QSize size);

}  // namespace pictavo
