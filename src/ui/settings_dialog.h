#pragma once

#include <QDialog>

namespace pictavo {

class Project;
class UserDialogs;

// The Settings dialog: the working folder and aspect ratio ("Normal"), the loop and
// random-effect switches and the default durations ("Option"). Save applies them
// to the project and its preferences and tells `main_window` (1140, 1156).
class SettingsDialog : public QDialog {
  Q_OBJECT

 public:
  SettingsDialog(Project& project, UserDialogs& dialogs, QWidget* main_window);

 private:
  Project& project_;
  UserDialogs& dialogs_;
};

}  // namespace pictavo
