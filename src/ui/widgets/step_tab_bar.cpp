#include "ui/widgets/step_tab_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <string>

#include "ui/widgets/keyed_pixmap.h"

namespace pictavo {

StepTabBar::StepTabBar(const std::filesystem::path& folder, QWidget* parent) : QWidget(parent) {
  for (int i = 0; i < kTabCount; ++i) {
    pictures_[static_cast<std::size_t>(i)] =
        keyed_pixmap(folder / ("step_tab_" + std::to_string(i) + ".png"));
  }
  setFixedSize(524, 27);
  setCursor(Qt::PointingHandCursor);
}

void StepTabBar::set_current(int index) {
  if (index < 0 || index >= kTabCount || index == current_) return;
  current_ = index;
  update();
  emit current_changed(index);
}

void StepTabBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPixmap& picture = pictures_[static_cast<std::size_t>(current_)];
  if (!picture.isNull()) {
    painter.drawPixmap(0, 0, picture);
    return;
  }
  // Without its pictures the strip still shows and works.
  static const char* const kCaptions[kTabCount] = {"Organize Photo", "Effect", "Music", "Produce"};
  const int width = this->width() / kTabCount;
  for (int i = 0; i < kTabCount; ++i) {
    const QRect tab(i * width, 0, width - 2, height() - 1);
    painter.fillRect(tab, palette().color(i == current_ ? QPalette::Highlight : QPalette::Button));
    painter.setPen(
        palette().color(i == current_ ? QPalette::HighlightedText : QPalette::ButtonText));
    painter.drawText(tab, Qt::AlignCenter, kCaptions[i]);
  }
}

void StepTabBar::mousePressEvent(QMouseEvent* event) {
  if (!isEnabled()) return;
  set_current(static_cast<int>(event->position().x()) * kTabCount / width());
}

}  // namespace pictavo
