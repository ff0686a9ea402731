#include "model/frame_count.h"

#include <climits>
#include <cmath>

namespace pictavo {

int truncate_to_int(float value) {
  if (std::isnan(value)) return 0;
  // INT_MAX is not a float; 2^31 is, and is the first value out of range.
  if (value >= 2147483648.0f) return INT_MAX;
  if (value <= -2147483648.0f) return INT_MIN;
  return static_cast<int>(value);
}

int frame_at(std::int64_t seconds, float rate) {
  return truncate_to_int(static_cast<float>(seconds) * rate);
}

int saturating_add(int a, int b) {
  const long long sum = static_cast<long long>(a) + b;
  if (sum > INT_MAX) return INT_MAX;
  if (sum < INT_MIN) return INT_MIN;
  return static_cast<int>(sum);
}

}  // namespace pictavo
