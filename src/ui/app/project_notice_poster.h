#pragma once

#include <QPointer>
#include <QWidget>

#include "model/project_observer.h"
#include "ui/common/ui_message.h"

namespace pictavo {

// Passes the project's change notices on to the main window as posted messages, so
// that the window refreshes after the operation that changed the project returned.
class ProjectNoticePoster final : public ProjectObserver {
 public:
  explicit ProjectNoticePoster(QWidget* window) : window_(window) {}

  void project_notice(ProjectNotice notice) override {
    if (window_) post_message(window_, static_cast<UiMessage>(static_cast<int>(notice)));
  }

 private:
  QPointer<QWidget> window_;
};

}  // namespace pictavo
