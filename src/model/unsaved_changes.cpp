#include "model/unsaved_changes.h"

#include <atomic>
#include <mutex>
#include <utility>

namespace pictavo {
namespace {

std::atomic<bool> unsaved{false};

std::mutex listener_mutex;
std::function<void()>& listener() {
  static std::function<void()> callback;
  return callback;
}

void tell_listener() {
  std::function<void()> callback;
  {
    const std::lock_guard lock(listener_mutex);
    callback = listener();
  }
  if (callback) callback();
}

}  // namespace

void mark_unsaved() {
  if (!unsaved.exchange(true, std::memory_order_relaxed)) tell_listener();
}

void clear_unsaved() {
  if (unsaved.exchange(false, std::memory_order_relaxed)) tell_listener();
}

bool has_unsaved_changes() {
  return unsaved.load(std::memory_order_relaxed);
}

void set_unsaved_listener(std::function<void()> callback) {
  const std::lock_guard lock(listener_mutex);
  listener() = std::move(callback);
}

}  // namespace pictavo
