#pragma once

#include <chrono>
#include <string>

namespace pictavo::cli {

// A progress bar on stderr, one line redrawn in place:
//   LABEL [################        ]  42%  00:12 elapsed, 00:17 left
// The remaining time is the elapsed time scaled by the work left. The line is
// redrawn only when the label, the percentage or a shown second changes.
class ProgressBar {
 public:
  static constexpr int kFullPosition = 65535;

  explicit ProgressBar(std::string label);

  void set_label(std::string label);
  // Shows `position`, 0 to kFullPosition.
  void show(int position);
  // Ends the line; a finished job shows 100 %, whatever the rounding left.
  void end(bool finished);

 private:
  void draw();

  using Clock = std::chrono::steady_clock;
  Clock::time_point start_ = Clock::now();
  std::string label_;
  int position_ = 0;
  std::string drawn_;  // the line as last drawn
};

}  // namespace pictavo::cli
