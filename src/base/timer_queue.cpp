#include "base/timer_queue.h"

#include <algorithm>

namespace pictavo {

TimerService::TimerId TimerQueue::start_timer(std::chrono::milliseconds delay,
                                              std::function<void()> callback) {
  const TimerId id = ++last_id_;
  timers_.emplace(now_ + std::max(delay, std::chrono::milliseconds(0)),
                  Timer{id, std::move(callback)});
  return id;
}

void TimerQueue::kill_timer(TimerId id) {
  const auto found = std::find_if(timers_.begin(), timers_.end(),
                                  [id](const auto& entry) { return entry.second.id == id; });
  if (found != timers_.end()) timers_.erase(found);
}

std::optional<std::chrono::milliseconds> TimerQueue::next_due() const {
  if (timers_.empty()) return std::nullopt;
  return timers_.begin()->first;
}

void TimerQueue::advance_to(std::chrono::milliseconds time) {
  while (!timers_.empty() && timers_.begin()->first <= time) {
    const auto first = timers_.begin();
    now_ = std::max(now_, first->first);
    const std::function<void()> callback = std::move(first->second.callback);
    timers_.erase(first);
    callback();
  }
  now_ = std::max(now_, time);
}

}  // namespace pictavo
