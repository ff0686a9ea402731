#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <utility>

#include "base/timer_service.h"

namespace pictavo {

// Timers on a time line that the owner moves forward: tests step it, and a
// command-line loop moves it to the time that has passed since it started. Time
// starts at 0.
class TimerQueue final : public TimerService {
 public:
  TimerId start_timer(std::chrono::milliseconds delay, std::function<void()> callback) override;
  void kill_timer(TimerId id) override;

  std::chrono::milliseconds now() const { return now_; }
  // When the next timer is due; nothing without timers.
  std::optional<std::chrono::milliseconds> next_due() const;
  bool empty() const { return timers_.empty(); }

  // Moves the time to `time` (never back), running every timer due by then in
  // the order they are due, timers that the callbacks start included; the time
  // stands at each timer's due time while its callback runs.
  void advance_to(std::chrono::milliseconds time);

 private:
  struct Timer {
    TimerId id;
    std::function<void()> callback;
  };

  std::chrono::milliseconds now_{0};
  TimerId last_id_ = 0;
  // By due time, then by start order.
  std::multimap<std::chrono::milliseconds, Timer> timers_;
};

}  // namespace pictavo
