#pragma once

#include <cstdint>

namespace pictavo {

class Event;

// The time a preview is paced by. The program uses the steady clock; tests and
// benchmarks put a clock of their own in, so pacing is checked without waiting.
class PreviewClock {
 public:
  virtual ~PreviewClock() = default;

  // Milliseconds since some fixed point; the value wraps around.
  virtual std::uint32_t now_ms() = 0;
  virtual void sleep_ms(std::uint32_t ms) = 0;
  // Waits up to `ms` or until `stop` is set; true (and the signal consumed) when
  // it was set.
  virtual bool wait_for_stop(Event& stop, std::uint32_t ms) = 0;
};

// The steady clock of the process, shared by every preview that brings no clock.
PreviewClock& steady_preview_clock();

}  // namespace pictavo
