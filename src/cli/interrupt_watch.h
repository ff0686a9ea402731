#pragma once

#include <signal.h>

#include <atomic>
#include <functional>
#include <thread>

namespace pictavo::cli {

// Turns Ctrl-C into a call of `on_interrupt` on a thread of its own, while the
// object lives: long commands stop cleanly instead of dying half-way. Create it
// before any other thread, so that every thread leaves SIGINT to it.
class InterruptWatch {
 public:
  explicit InterruptWatch(std::function<void()> on_interrupt);
  ~InterruptWatch();
  InterruptWatch(const InterruptWatch&) = delete;
  InterruptWatch& operator=(const InterruptWatch&) = delete;

 private:
  sigset_t interrupt_{};
  sigset_t previous_mask_{};
  std::atomic<bool> closing_{false};
  std::thread waiter_;
};

}  // namespace pictavo::cli
