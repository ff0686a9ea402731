#include "ui/app/qt_timer_service.h"

#include <QTimer>
#include <utility>

namespace pictavo {

TimerService::TimerId QtTimerService::start_timer(std::chrono::milliseconds delay,
                                                  std::function<void()> callback) {
  const TimerId id = ++last_id_;
  auto* timer = new QTimer(&owner_);
  timer->setSingleShot(true);
  // A coarse timer of 20 s or more fires on a whole second, and a track would
  // end up to a second early or late.
  timer->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer, &QTimer::timeout, timer, [this, id, callback = std::move(callback)] {
    // Gone before the callback runs, which may start and kill timers of its own;
    // the timer object itself lives until the event loop next turns.
    kill_timer(id);
    callback();
  });
  timers_.emplace(id, timer);
  timer->start(delay);
  return id;
}

void QtTimerService::kill_timer(TimerId id) {
  const auto found = timers_.find(id);
  if (found == timers_.end()) return;
  found->second->stop();
  found->second->deleteLater();
  timers_.erase(found);
}

}  // namespace pictavo
