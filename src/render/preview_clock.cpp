#include "render/preview_clock.h"

#include <chrono>
#include <thread>

#include "base/event.h"

namespace pictavo {
namespace {

class SteadyPreviewClock final : public PreviewClock {
 public:
  std::uint32_t now_ms() override {
    const auto since_start = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since_start).count());
  }
  void sleep_ms(std::uint32_t ms) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
  bool wait_for_stop(Event& stop, std::uint32_t ms) override {
    return stop.wait_for(std::chrono::milliseconds(ms));
  }
};

}  // namespace

PreviewClock& steady_preview_clock() {
  static SteadyPreviewClock clock;
  return clock;
}

}  // namespace pictavo
