#pragma once

namespace pictavo {

// What the project tells the user interface after it changed, numbered as the
// main window's messages (WM_USER + n) so the pages can keep their handlers.
enum class ProjectNotice : int {
  // The total length and estimated size were recomputed: refresh the total duration
  // and the capacity bar.
  kTotalsChanged = 1140,
  // A slideshow's cover was set: rebuild the project structure tree.
  kCoverChanged = 1152,
};

// Told synchronously, on the thread of the operation; the user interface posts the
// notice on to its windows.
class ProjectObserver {
 public:
  virtual ~ProjectObserver() = default;
  virtual void project_notice(ProjectNotice notice) = 0;
};

}  // namespace pictavo
