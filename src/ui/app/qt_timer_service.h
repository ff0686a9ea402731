#pragma once

#include <QObject>
#include <unordered_map>

#include "base/timer_service.h"

class QTimer;

namespace pictavo {

// The engine's one-shot timers on the user interface's event loop, so that the
// music player's track ends arrive on the thread that owns the player.
class QtTimerService final : public TimerService {
 public:
  QtTimerService() = default;
  QtTimerService(const QtTimerService&) = delete;
  QtTimerService& operator=(const QtTimerService&) = delete;

  TimerId start_timer(std::chrono::milliseconds delay, std::function<void()> callback) override;
  void kill_timer(TimerId id) override;

 private:
  std::unordered_map<TimerId, QTimer*> timers_;  // the running ones, children of owner_
  TimerId last_id_ = 0;
  QObject owner_;
};

}  // namespace pictavo
