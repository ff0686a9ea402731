#include "ui/user_dialogs.h"

#include <QFileDialog>

#include "ui/import_folder_dialog.h"
#include "ui/path_text.h"

namespace pictavo {
namespace {

const QString kProjectFilter = QStringLiteral("Project Files (*.prg)");

std::optional<std::filesystem::path> chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return path_of(path);
}

}  // namespace

std::optional<std::filesystem::path> FileDialogs::open_project(
    const std::filesystem::path& folder) {
  return chosen(
      QFileDialog::getOpenFileName(parent_, QString(), path_text(folder), kProjectFilter));
}

std::optional<std::filesystem::path> FileDialogs::save_project(
    const std::filesystem::path& folder) {
  return chosen(
      QFileDialog::getSaveFileName(parent_, QString(), path_text(folder), kProjectFilter));
}

std::optional<std::filesystem::path> FileDialogs::choose_folder(
    const std::string& title, const std::filesystem::path& start) {
  return chosen(
      QFileDialog::getExistingDirectory(parent_, QString::fromStdString(title), path_text(start)));
}

std::vector<std::filesystem::path> FileDialogs::import_folders() {
  ImportFolderDialog dialog(parent_);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.checked_folders();
}

}  // namespace pictavo
