#include "ui/app/pictavo_app.h"

#include <QDir>
#include <QStandardPaths>

#include "model/project_start.h"
#include "ui/app/main_window.h"
#include "ui/common/path_text.h"
#include "ui/pages/produce_page.h"

namespace pictavo {
namespace {

QString settings_path(const Project& project) {
  return path_text(project.preferences.writable_folder / "pictavo.ini");
}

QString runtime_folder() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  return folder.isEmpty() ? QDir::tempPath() : folder;
}

}  // namespace

QString single_instance_lock_path() {
  return runtime_folder() + QStringLiteral("/ZorvDiscavo.lock");
}

QString single_instance_socket_path() {
  return runtime_folder() + QStringLiteral("/ZorvDiscavo.socket");
}

PictavoApp::PictavoApp(const std::filesystem::path& program_folder) : project_(program_folder) {
  start_project(project_);
  settings_ = std::make_unique<QSettings>(settings_path(project_), QSettings::IniFormat);
  dialogs_ = std::make_unique<FileDialogs>(nullptr);
  window_ = std::make_unique<MainWindow>(project_, *dialogs_, *settings_);
  prompt_ = std::make_unique<MessageBoxPrompt>(window_.get());
  project_.front_end.prompt = prompt_.get();
  window_->produce_page()->set_system_power(&power_);
}

PictavoApp::~PictavoApp() {
  project_.front_end = {};
}

}  // namespace pictavo
