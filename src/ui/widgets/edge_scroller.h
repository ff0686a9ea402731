#pragma once

#include <QObject>
#include <QTimer>

namespace pictavo {

// Scrolls a view while a drag or a selection holds the pointer near one of its
// ends: every tick says which way. Shared by the views that take drags.
class EdgeScroller : public QObject {
  Q_OBJECT

 public:
  // `band`: how near an end, in pixels, the pointer scrolls.
  EdgeScroller(int band, QObject* parent);

  // The pointer is at `position` along a view `length` long.
  void follow(int position, int length);
  void stop();

 signals:
  // -1 towards the start, 1 towards the end.
  void tick(int direction);

 private:
  int band_;
  int direction_ = 0;
  QTimer timer_;
};

}  // namespace pictavo
