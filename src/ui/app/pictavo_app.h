#pragma once

#include <QSettings>
#include <QString>
#include <filesystem>
#include <memory>

#include "model/project.h"
#include "ui/app/message_box_prompt.h"
#include "ui/app/user_dialogs.h"
#include "video/logind_power.h"

namespace pictavo {

class MainWindow;

// The lock that keeps a second copy of the program from starting: "ZorvDiscavo" in
// the user's runtime folder.
QString single_instance_lock_path();
// Where the running program listens for a second start (InstanceChannel).
QString single_instance_socket_path();

// One run of the program, started in order: the project with its preferences and
// working folders (which logs "Software start!"), the program's settings file, and
// the main window with the prompt and notices wired to it, and logind to switch
// the computer off after a job when the user asks for it.
class PictavoApp {
 public:
  explicit PictavoApp(const std::filesystem::path& program_folder);
  ~PictavoApp();
  PictavoApp(const PictavoApp&) = delete;
  PictavoApp& operator=(const PictavoApp&) = delete;

  Project& project() { return project_; }
  MainWindow& window() { return *window_; }
  QSettings& settings() { return *settings_; }

 private:
  Project project_;
  LogindPower power_;  // outlives the window that uses it
  std::unique_ptr<QSettings> settings_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<FileDialogs> dialogs_;
  std::unique_ptr<MessageBoxPrompt> prompt_;
};

}  // namespace pictavo
