#include "base/clock_seconds.h"

#include <cstdio>

namespace pictavo {

std::string ClockSeconds::text() const {
  char text[40];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds_ / 3600, seconds_ % 3600 / 60,
                seconds_ % 60);
  return text;
}

}  // namespace pictavo
