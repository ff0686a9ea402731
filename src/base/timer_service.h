#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace pictavo {

// One-shot timers whose callbacks run on the thread that owns the service: the
// user interface's event loop in the program, a loop of the caller's own in the
// command line, and time that tests move by hand.
class TimerService {
 public:
  using TimerId = std::uint64_t;

  virtual ~TimerService() = default;

  // Calls `callback` once, `delay` from now, on the owning thread. Ids are never 0.
  virtual TimerId start_timer(std::chrono::milliseconds delay, std::function<void()> callback) = 0;
  // Cancels the timer; nothing happens for one that has fired or was killed.
  virtual void kill_timer(TimerId id) = 0;
};

}  // namespace pictavo
