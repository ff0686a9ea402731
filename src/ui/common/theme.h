#pragma once

#include <QColor>
#include <QPalette>

namespace pictavo {

// Whether the desktop's palette is a dark one. Qt 6.4 has no colour-scheme hint:
// the window colour's lightness decides.
bool is_dark(const QPalette& palette);

// The colour of a custom-drawn surface: the program's own `light` colour on a
// light palette, the palette's `role` on a dark one.
QColor themed(const QPalette& palette, const QColor& light, QPalette::ColorRole role);

}  // namespace pictavo
