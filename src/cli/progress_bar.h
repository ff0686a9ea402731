#pragma once

#include <chrono>
#include <string>

namespace pictavo::cli {

// A progress bar on stderr:
//   LABEL [################        ]  42%  00:12 elapsed, 00:17 left
// The remaining time is the elapsed time scaled by the work left. On a terminal
// the line is redrawn in place whenever the label, the percentage or a shown
// second changes. Elsewhere (logs, pipes, CI) carriage returns would pile up in
// one endless line, so each label gets one line when it is set and the end one
// final line.
class ProgressBar {
 public:
  static constexpr int kFullPosition = 65535;

  explicit ProgressBar(std::string label);
  ProgressBar(std::string label, bool in_place);

  void set_label(std::string label);
  // Shows `position`, 0 to kFullPosition.
  void show(int position);
  // Ends the line; a finished job shows 100 %, whatever the rounding left.
  void end(bool finished);

 private:
  std::string line() const;
  void draw();
  void print_line();

  using Clock = std::chrono::steady_clock;
  Clock::time_point start_ = Clock::now();
  bool in_place_;
  std::string label_;
  int position_ = 0;
  std::string drawn_;  // the line as last drawn
};

}  // namespace pictavo::cli
