#pragma once

#include <QCoreApplication>
#include <filesystem>
#include <functional>

class QSettings;

namespace pictavo {

class EditHistory;
class Project;
class UserDialogs;

// The project-level commands of the main window (New, Open, Save, Save As, Exit and
// closing the window) with their questions, on the project the window owns. Each
// returns false when the user, or a save that failed, stopped it. Questions and
// messages go through the project's front end.
class ProjectCommands {
  Q_DECLARE_TR_FUNCTIONS(pictavo::ProjectCommands)

 public:
  // `settings` keeps the folder where the project dialogs start; `history` starts
  // anew with every project and learns every save.
  ProjectCommands(Project& project, EditHistory& history, UserDialogs& dialogs,
                  QSettings& settings);

  bool new_project();
  // Asks for the file, then opens it.
  bool open_project();
  // Opens `file` (the command line, a file manager), asking first to save changes.
  // A file that cannot be opened is named with the reason, and the project stays as
  // it was.
  bool open_project_file(const std::filesystem::path& file);
  bool save();
  bool save_as();

  // How the user leaves: Exit in the Project menu, or the window's close box.
  enum class Quit { kExit, kClose };
  // Whether the program may end now. A running make-video job is stopped first by
  // `stop_job` when the user agrees; the preferences are written; changes are
  // saved when the user asks. A save that fails keeps the program running.
  bool quit(Quit way, bool job_running, const std::function<void()>& stop_job);

  // Whether the project has a file of its own: saved or opened in this run.
  bool has_file() const { return has_file_; }
  // Whether the project has changes a save would keep.
  bool changed() const;

 private:
  // Asks whether to save unsaved changes; false when the user cancels or the save
  // fails.
  bool settle_changes();
  // The working folders of a project that never got a file hold nothing anyone
  // can come back to.
  void drop_unsaved_folders();
  // Where Open and Save As start: the folder last used, else the user's documents.
  std::filesystem::path dialog_folder() const;
  void remember_folder_of(const std::filesystem::path& file);

  Project& project_;
  EditHistory& history_;
  UserDialogs& dialogs_;
  QSettings& settings_;
  bool has_file_ = false;
};

}  // namespace pictavo
