#include "ui/widgets/step_tab_bar.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace pictavo {
namespace {

constexpr int kMinimumTabWidth = 130;
constexpr int kCaptionPadding = 14;  // on each side of a caption
constexpr int kTabGap = 1;
constexpr int kMinimumHeight = 27;
constexpr double kCornerRadius = 5.0;

// A tab's outline: rounded at the top, open at the bottom.
QPainterPath tab_outline(const QRectF& tab) {
  QPainterPath path;
  path.moveTo(tab.bottomLeft());
  path.lineTo(tab.left(), tab.top() + kCornerRadius);
  path.quadTo(tab.topLeft(), QPointF(tab.left() + kCornerRadius, tab.top()));
  path.lineTo(tab.right() - kCornerRadius, tab.top());
  path.quadTo(tab.topRight(), QPointF(tab.right(), tab.top() + kCornerRadius));
  path.lineTo(tab.bottomRight());
  return path;
}

}  // namespace

StepTabBar::StepTabBar(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setCursor(Qt::PointingHandCursor);
}

QString StepTabBar::caption(int index) {
  switch (index) {
    case 0:
      return tr("Organize Photo");
    case 1:
      return tr("Effect");
    case 2:
      return tr("Music");
    default:
      return tr("Produce");
  }
}

void StepTabBar::set_current(int index) {
  if (index < 0 || index >= kTabCount || index == current_) return;
  current_ = index;
  update();
  emit current_changed(index);
}

QFont StepTabBar::caption_font() const {
  QFont bold = font();
  bold.setBold(true);
  return bold;
}

QRect StepTabBar::tab_rect(int index) const {
  const QFontMetrics metrics(caption_font());
  const int height = std::max(kMinimumHeight, metrics.height() + 10);
  int left = 0;
  for (int i = 0; i < kTabCount; ++i) {
    const int width =
        std::max(kMinimumTabWidth, metrics.horizontalAdvance(caption(i)) + 2 * kCaptionPadding);
    if (i == index) return QRect(left, 0, width, height);
    left += width + kTabGap;
  }
  return {};
}

QSize StepTabBar::sizeHint() const {
  const QRect last = tab_rect(kTabCount - 1);
  return {last.right() + 1, last.height()};
}

void StepTabBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setFont(caption_font());
  const QPalette& colours = palette();
  for (int i = 0; i < kTabCount; ++i) {
    const bool current = i == current_;
    // Half a pixel in, so that the outline's pixels are whole at every density.
    const QRectF tab = QRectF(tab_rect(i)).adjusted(0.5, 0.5, -0.5, 0.5);
    const QColor fill = colours.color(current ? QPalette::Highlight : QPalette::Button);
    QLinearGradient shade(tab.topLeft(), tab.bottomLeft());
    shade.setColorAt(0, fill.lighter(current ? 115 : 108));
    shade.setColorAt(1, current ? fill.darker(115) : fill);
    const QPainterPath outline = tab_outline(tab);
    painter.fillPath(outline, shade);
    painter.setPen(QPen(colours.color(current ? QPalette::Dark : QPalette::Mid), 1));
    painter.drawPath(outline);
    painter.setPen(colours.color(current ? QPalette::HighlightedText : QPalette::ButtonText));
    painter.drawText(tab, Qt::AlignCenter, caption(i));
  }
}

void StepTabBar::mousePressEvent(QMouseEvent* event) {
  if (!isEnabled()) return;
  for (int i = 0; i < kTabCount; ++i) {
    if (tab_rect(i).contains(event->position().toPoint())) set_current(i);
  }
}

void StepTabBar::changeEvent(QEvent* event) {
  // Another font or language changes the tabs' widths.
  if (event->type() == QEvent::FontChange || event->type() == QEvent::LanguageChange)
    updateGeometry();
  QWidget::changeEvent(event);
}

}  // namespace pictavo
