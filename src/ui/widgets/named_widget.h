#pragma once

#include <QString>

namespace pictavo {

// Gives a new control the object name tests and style sheets find it by.
template <typename Widget>
Widget* named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromUtf8(name));
  return widget;
}

}  // namespace pictavo
