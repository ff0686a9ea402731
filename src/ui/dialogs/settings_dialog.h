#pragma once

#include <QDialog>

class QPushButton;
class QTabWidget;

namespace pictavo {

class EditHistory;
class Project;
class SettingsNormalPage;
class SettingsOptionPage;
class UserDialogs;

// The Settings dialog: the working folder and aspect ratio ("Normal"), the loop and
// random-effect switches and the default durations ("Options"). Save applies them
// to the project and its preferences and tells `main_window` (1140, 1156).
class SettingsDialog : public QDialog {
  Q_OBJECT

 public:
  SettingsDialog(Project& project, EditHistory& history, UserDialogs& dialogs,
                 QWidget* main_window);

  QTabWidget* tabs() const { return tabs_; }
  SettingsNormalPage* normal_page() const { return normal_page_; }
  SettingsOptionPage* option_page() const { return option_page_; }
  QPushButton* save_button() const { return save_button_; }
  QPushButton* cancel_button() const { return cancel_button_; }

 private:
  void show_values();
  void save();
  // New default durations are for photos added later; the photos already there
  // take them too when the user says so and the videos stay within the limit.
  void save_durations();

  Project& project_;
  EditHistory& history_;
  QTabWidget* tabs_ = nullptr;
  SettingsNormalPage* normal_page_ = nullptr;
  SettingsOptionPage* option_page_ = nullptr;
  QPushButton* save_button_ = nullptr;
  QPushButton* cancel_button_ = nullptr;
};

}  // namespace pictavo
