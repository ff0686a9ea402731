#pragma once

#include <string>

namespace pictavo {

// Whole seconds together with the "HH:MM:SS" text the lists show for them (hours =
// s / 3600, minutes = s % 3600 / 60): start times and durations of photos and tracks.
class ClockSeconds {
 public:
  ClockSeconds() = default;
  explicit ClockSeconds(int seconds);

  int seconds() const { return seconds_; }
  const std::string& text() const { return text_; }

 private:
  int seconds_ = 0;
  std::string text_ = "00:00:00";
};

}  // namespace pictavo
