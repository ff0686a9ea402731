#pragma once

#include <string>

namespace pictavo {

// Whole seconds together with the "HH:MM:SS" text the lists show for them (hours =
// s / 3600, minutes = s % 3600 / 60): start times and durations of photos and tracks.
class ClockSeconds {
 public:
  ClockSeconds() = default;
  explicit ClockSeconds(int seconds) : seconds_(seconds) {}

  int seconds() const { return seconds_; }
  // Formatted when asked: lengths are recomputed far more often than shown.
  std::string text() const;

 private:
  int seconds_ = 0;
};

}  // namespace pictavo
