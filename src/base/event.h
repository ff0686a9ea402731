#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace pictavo {

// An auto-reset event shared between a worker and the thread that controls it
// (the stop and done events of long jobs). A successful wait or test consumes the
// signal, so each set() releases exactly one waiter.
class Event {
 public:
  void set();
  void reset();

  // Tests without waiting; true (and the signal consumed) when the event was set.
  bool try_wait();
  // Waits up to `timeout`; true (and the signal consumed) when the event was set.
  bool wait_for(std::chrono::milliseconds timeout);
  void wait();

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool signalled_ = false;  // guarded by mutex_
};

}  // namespace pictavo
