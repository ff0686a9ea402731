#include "ui/widgets/edge_scroller.h"

#include <chrono>

namespace pictavo {

EdgeScroller::EdgeScroller(int band, QObject* parent) : QObject(parent), band_(band) {
  timer_.setInterval(std::chrono::milliseconds(100));
  connect(&timer_, &QTimer::timeout, this, [this] { emit tick(direction_); });
}

void EdgeScroller::follow(int position, int length) {
  direction_ = position < band_ ? -1 : position > length - band_ ? 1 : 0;
  if (direction_ == 0)
    timer_.stop();
  else if (!timer_.isActive())
    timer_.start();
}

void EdgeScroller::stop() {
  direction_ = 0;
  timer_.stop();
}

}  // namespace pictavo
