#include "model/clock_seconds.h"

#include <cstdio>

namespace pictavo {

ClockSeconds::ClockSeconds(int seconds) : seconds_(seconds) {
  char text[40];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, seconds % 3600 / 60,
                seconds % 60);
  text_ = text;
}

}  // namespace pictavo
