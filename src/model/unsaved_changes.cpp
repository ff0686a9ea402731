#include "model/unsaved_changes.h"

#include <atomic>

namespace pictavo {
namespace {

std::atomic<bool> unsaved{false};

}  // namespace

void mark_unsaved() {
  unsaved.store(true, std::memory_order_relaxed);
}

void clear_unsaved() {
  unsaved.store(false, std::memory_order_relaxed);
}

bool has_unsaved_changes() {
  return unsaved.load(std::memory_order_relaxed);
}

}  // namespace pictavo
