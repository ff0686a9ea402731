#include "base/event.h"

namespace pictavo {

void Event::set() {
  {
    std::lock_guard lock(mutex_);
    signalled_ = true;
  }
  changed_.notify_one();
}

void Event::reset() {
  std::lock_guard lock(mutex_);
  signalled_ = false;
}

bool Event::try_wait() {
  std::lock_guard lock(mutex_);
  const bool was_set = signalled_;
  signalled_ = false;
  return was_set;
}

bool Event::wait_for(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  if (!changed_.wait_for(lock, timeout, [this] { return signalled_; })) return false;
  signalled_ = false;
  return true;
}

void Event::wait() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return signalled_; });
  signalled_ = false;
}

}  // namespace pictavo
