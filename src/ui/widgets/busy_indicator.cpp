#include "ui/widgets/busy_indicator.h"

#include <QPainter>
#include <algorithm>

namespace pictavo {
namespace {

constexpr int kDots = 12;

}  // namespace

BusyIndicator::BusyIndicator(QWidget* parent) : QWidget(parent) {
  timer_.setInterval(80);
  connect(&timer_, &QTimer::timeout, this, [this] {
    step_ = (step_ + 1) % kDots;
    update();
  });
}

void BusyIndicator::start() {
  timer_.start();
  update();
}

void BusyIndicator::stop() {
  timer_.stop();
  step_ = 0;
  update();
}

void BusyIndicator::paintEvent(QPaintEvent*) {
  if (!running()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const double side = std::min(width(), height());
  const double dot = side / 8;
  painter.translate(width() / 2.0, height() / 2.0);
  painter.setPen(Qt::NoPen);
  QColor color = palette().color(QPalette::Highlight);
  for (int i = 0; i < kDots; ++i) {
    // The dot at the current step is solid; those behind it fade out.
    const int age = (step_ - i + kDots) % kDots;
    color.setAlphaF(1.0f - static_cast<float>(age) / kDots);
    painter.setBrush(color);
    painter.drawEllipse(QPointF(0, -(side / 2 - dot)), dot / 2 + 1, dot / 2 + 1);
    painter.rotate(360.0 / kDots);
  }
}

}  // namespace pictavo
