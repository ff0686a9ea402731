#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>

namespace pictavo::bench {

// Best wall time of `repeats` runs of `work`, in seconds. The best run is the one
// least disturbed by the rest of the machine.
template <typename Work>
double best_seconds(int repeats, Work&& work) {
  double best = std::numeric_limits<double>::max();
  for (int i = 0; i < repeats; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    best = std::min(best, elapsed.count());
  }
  return best;
}

// Prints one comparison line: our time, the peer's time and how many times
// slower (> 1) or faster (< 1) we are.
inline void report(const char* what, double ours, const char* peer, double theirs) {
  std::printf("%-44s pictavo %9.3f ms   %-10s %9.3f ms   ratio %.2f\n", what, ours * 1e3, peer,
              theirs * 1e3, ours / theirs);
}

}  // namespace pictavo::bench
