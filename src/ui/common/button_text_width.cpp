#include "ui/common/button_text_width.h"

#include <QPushButton>
#include <QStyle>

namespace pictavo {

int button_text_width(const QPushButton& button) {
  const QStyle& style = *button.style();
  return button.fontMetrics().horizontalAdvance(button.text()) +
         style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
         2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
}

}  // namespace pictavo
