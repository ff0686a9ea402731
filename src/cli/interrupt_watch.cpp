#include "cli/interrupt_watch.h"

#include <pthread.h>

#include <utility>

namespace pictavo::cli {

InterruptWatch::InterruptWatch(std::function<void()> on_interrupt) {
  sigemptyset(&interrupt_);
  sigaddset(&interrupt_, SIGINT);
  pthread_sigmask(SIG_BLOCK, &interrupt_, &previous_mask_);
  waiter_ = std::thread([this, on_interrupt = std::move(on_interrupt)] {
    int signal = 0;
    sigwait(&interrupt_, &signal);
    if (!closing_) on_interrupt();
  });
}

InterruptWatch::~InterruptWatch() {
  closing_ = true;
  pthread_kill(waiter_.native_handle(), SIGINT);
  waiter_.join();
  // A Ctrl-C that came in twice (a terminal, "timeout") must not kill the command
  // once it has stopped cleanly.
  const timespec no_wait{};
  while (sigtimedwait(&interrupt_, nullptr, &no_wait) > 0) {
  }
  pthread_sigmask(SIG_SETMASK, &previous_mask_, nullptr);
}

}  // namespace pictavo::cli
