#include "ui/app/project_commands.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "base/log.h"
#include "edit/edit_history.h"
#include "model/preferences_file.h"
#include "model/project.h"
#include "model/project_file.h"
#include "model/project_messages.h"
#include "model/project_start.h"
#include "model/working_folders.h"
#include "ui/app/program_settings.h"
#include "ui/app/user_dialogs.h"
#include "ui/common/path_text.h"

namespace pictavo {
namespace {

PromptMessage question(const QString& text, PromptButtons buttons) {
  return {text.toStdString(), ProjectCommands::tr("Query").toStdString(), buttons,
          PromptIcon::kQuestion};
}

PromptMessage save_question() {
  return question(ProjectCommands::tr("Do you want to save this project?"),
                  PromptButtons::kYesNoCancel);
}

}  // namespace

ProjectCommands::ProjectCommands(Project& project, EditHistory& history, UserDialogs& dialogs,
                                 QSettings& settings)
    : project_(project), history_(history), dialogs_(dialogs), settings_(settings) {}

std::filesystem::path ProjectCommands::dialog_folder() const {
  const QString last = ProgramSettings(settings_).project_folder();
  if (!last.isEmpty() && QFileInfo(last).isDir()) return path_of(last);
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return path_of(documents.isEmpty() ? QDir::homePath() : documents);
}

void ProjectCommands::remember_folder_of(const std::filesystem::path& file) {
  ProgramSettings(settings_).set_project_folder(path_text(file.parent_path()));
}

bool ProjectCommands::changed() const {
  return project_.has_changes();
}

bool ProjectCommands::settle_changes() {
  if (!changed()) return true;
  switch (project_.front_end.show(save_question())) {
    case PromptAnswer::kYes:
      return save();
    case PromptAnswer::kNo:
      return true;
    default:
      return false;
  }
}

void ProjectCommands::drop_unsaved_folders() {
  if (!has_file_) drop_working_folder(project_.preferences);
}

bool ProjectCommands::new_project() {
  if (!settle_changes()) return false;
  drop_unsaved_folders();
  project_.remove_all_slideshows();
  prepare_new_project(project_);
  project_.preferences.project_path = first_free_project_path(project_.preferences.writable_folder);
  history_.clear();
  has_file_ = false;
  project_.update_totals();
  return true;
}

bool ProjectCommands::open_project() {
  const auto file = dialogs_.open_project(dialog_folder());
  if (!file) return false;
  return open_project_file(*file);
}

bool ProjectCommands::open_project_file(const std::filesystem::path& file) {
  if (!settle_changes()) return false;
  const Preferences replaced = project_.preferences;
  const Status opened = pictavo::open_project(project_, file);
  if (!opened) {
    project_.front_end.show(open_failed_message(file, opened.reason()));
    return false;
  }
  remember_folder_of(file);
  // The file may go on in the working folder of this run.
  if (!has_file_ && replaced.working_folder != project_.preferences.working_folder)
    drop_working_folder(replaced);
  history_.clear();
  has_file_ = true;
  return true;
}

bool ProjectCommands::save() {
  if (!save_project(project_)) return !changed();
  history_.mark_saved();
  has_file_ = true;
  return true;
}

bool ProjectCommands::save_as() {
  const auto chosen = dialogs_.save_project(dialog_folder());
  if (!chosen) return false;
  std::filesystem::path file = *chosen;
  if (file.extension() != ".prg") file += ".prg";
  remember_folder_of(file);
  project_.preferences.project_path = file;
  project_.modified = true;
  return save();
}

bool ProjectCommands::quit(Quit way, bool job_running, const std::function<void()>& stop_job) {
  if (job_running) {
    const PromptAnswer stop = project_.front_end.show(
        question(tr("Do you want to stop making the videos?"), PromptButtons::kYesNo));
    if (stop != PromptAnswer::kYes) return false;
    stop_job();
  }
  save_preferences(project_);
  if (changed()) {
    if (!settle_changes()) return false;
  } else if (way == Quit::kClose) {
    const PromptAnswer quit =
        project_.front_end.show(question(tr("Do you want to quit?"), PromptButtons::kYesNo));
    if (quit != PromptAnswer::kYes) return false;
  }
  // The two log lines are the program's own, spelling included.
  write_log(way == Quit::kExit ? "Quit software!" : "Quite software!");
  if (way == Quit::kClose) drop_unsaved_folders();
  return true;
}

}  // namespace pictavo
