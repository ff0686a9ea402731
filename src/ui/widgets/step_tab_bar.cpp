#include "ui/widgets/step_tab_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <string>

#include "ui/widgets/keyed_pixmap.h"

namespace pictavo {
namespace {

// The colours of the tab pictures.
constexpr QRgb kCurrentFill = 0x2A5D8F;
constexpr QRgb kCurrentEdge = 0x173A5E;
constexpr QRgb kOtherFill = 0xDFE6EE;
constexpr QRgb kOtherEdge = 0x9AA8B8;
constexpr QRgb kOtherText = 0x23364D;

}  // namespace

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
  if (!picture.isNull() && !captions_translated()) {
    painter.drawPixmap(0, 0, picture);
    return;
  }
  // The pictures' captions are English; in another language, and without the
  // pictures, the tabs are drawn as the pictures show them, with the captions.
  painter.setRenderHint(QPainter::Antialiasing);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(13);
  painter.setFont(font);
  const int width = this->width() / kTabCount;
  for (int i = 0; i < kTabCount; ++i) {
    const bool current = i == current_;
    const QRectF tab(i * width + 0.5, 1.5, width - 2, height());
    QPainterPath outline;
    outline.addRoundedRect(tab, 4, 4);
    painter.fillPath(outline, QColor(current ? kCurrentFill : kOtherFill));
    painter.setPen(QColor(current ? kCurrentEdge : kOtherEdge));
    painter.drawPath(outline);
    painter.setPen(current ? QColor(Qt::white) : QColor(kOtherText));
    painter.drawText(tab.adjusted(2, 0, -2, -1), Qt::AlignCenter, caption(i));
  }
}

QString StepTabBar::caption(int index) {
  static const char* const kCaptions[kTabCount] = {QT_TR_NOOP("Organize Photo"),
                                                   QT_TR_NOOP("Effect"), QT_TR_NOOP("Music"),
                                                   QT_TR_NOOP("Produce")};
  return tr(kCaptions[index]);
}

bool StepTabBar::captions_translated() {
  return caption(0) != QLatin1String("Organize Photo");
}

void StepTabBar::mousePressEvent(QMouseEvent* event) {
  if (!isEnabled()) return;
  set_current(static_cast<int>(event->position().x()) * kTabCount / width());
}

}  // namespace pictavo
