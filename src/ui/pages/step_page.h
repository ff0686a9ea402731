#pragma once

#include <QWidget>

#include "model/project_observer.h"

namespace pictavo {

// One of the main window's four pages. The main window tells a page when it
// becomes the visible one, every change of the project, and when the project was
// replaced, so that the page shows the project as it is now.
class StepPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  virtual void page_shown() {}
  virtual void follow(const ProjectChange& /*change*/) {}
  // The project's slideshows may go: the page lets go of them until
  // project_replaced().
  virtual void release_project() {}
  virtual void project_replaced() {}
};

}  // namespace pictavo
