#include "ui/common/theme.h"

namespace pictavo {

bool is_dark(const QPalette& palette) {
  return palette.color(QPalette::Window).lightness() < 128;
}

QColor themed(const QPalette& palette, const QColor& light, QPalette::ColorRole role) {
  return is_dark(palette) ? palette.color(role) : light;
}

}  // namespace pictavo
