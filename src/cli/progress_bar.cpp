#include "cli/progress_bar.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace pictavo::cli {
namespace {

// "mm:ss", or "h:mm:ss" from an hour on.
std::string clock_text(long long seconds) {
  char text[32];
  if (seconds >= 3600) {
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
  } else {
    std::snprintf(text, sizeof text, "%02lld:%02lld", seconds / 60, seconds % 60);
  }
  return text;
}

}  // namespace

ProgressBar::ProgressBar(std::string label)
    : ProgressBar(std::move(label), ::isatty(STDERR_FILENO) == 1) {}

ProgressBar::ProgressBar(std::string label, bool in_place)
    : in_place_(in_place), label_(std::move(label)) {}

void ProgressBar::set_label(std::string label) {
  const bool changed = label != label_;
  label_ = std::move(label);
  if (in_place_) {
    draw();
  } else if (changed) {
    print_line();
  }
}

void ProgressBar::show(int position) {
  position_ = std::clamp(position, 0, kFullPosition);
  if (in_place_) draw();
}

void ProgressBar::end(bool finished) {
  if (finished) position_ = kFullPosition;
  if (in_place_) {
    draw();
    if (!drawn_.empty()) std::fputc('\n', stderr);
    drawn_.clear();
  } else {
    print_line();
  }
}

void ProgressBar::print_line() {
  std::fprintf(stderr, "%s\n", line().c_str());
  std::fflush(stderr);
}

std::string ProgressBar::line() const {
  constexpr int kWidth = 40;
  const int percent = position_ * 100 / kFullPosition;
  const int filled = position_ * kWidth / kFullPosition;
  const long long elapsed =
      std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - start_).count();
  const std::string left =
      position_ > 0 ? clock_text(elapsed * (kFullPosition - position_) / position_) : "--:--";
  char text[256];
  std::snprintf(text, sizeof text, "%s [%.*s%*s] %3d%%  %s elapsed, %s left", label_.c_str(),
                filled, "########################################", kWidth - filled, "", percent,
                clock_text(elapsed).c_str(), left.c_str());
  return text;
}

void ProgressBar::draw() {
  std::string text = line();
  if (text == drawn_) return;
  // Blanks over the rest of a longer line drawn before.
  const std::size_t shown = text.size();
  if (drawn_.size() > shown) text.append(drawn_.size() - shown, ' ');
  std::fprintf(stderr, "\r%s", text.c_str());
  std::fflush(stderr);
  drawn_ = text.substr(0, shown);
}

}  // namespace pictavo::cli
