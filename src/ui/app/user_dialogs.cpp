#include "ui/app/user_dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QStandardPaths>

#include "ui/common/path_text.h"
#include "ui/dialogs/import_folder_dialog.h"

namespace pictavo {
namespace {

const QString kProjectFilter = QStringLiteral("Project Files (*.prg)");
// The program's own filter texts, phone photos among the supported ones, then the
// further types it decodes, so that every picture a folder import takes can also be
// chosen one by one.
const QString kPictureFilters = QStringLiteral(
    "Supported files (*.bmp *.gif *.jpg *.jpeg *.png *.ico *.tif *.tiff *.wmf *.emf *.heic "
    "*.heif *.webp);;"
    "BMP files (*.bmp);;GIF files (*.gif);;JPG files (*.jpg *.jpeg);;PNG files (*.png);;"
    "TIF files (*.tif *.tiff);;Icon files (*.ico);;WMF and EMF files (*.wmf *.emf);;"
    "HEIC and WebP files (*.heic *.heif *.webp);;"
    "Other picture files (*.tga *.pcx *.wbmp *.jp2 *.j2k *.jpc *.j2c *.pgx *.pnm *.pgm *.ppm "
    "*.ras)");

const QString kMusicFilter = QStringLiteral("All Supported Files (*.mp3 *.mp2 *.wav)");

std::optional<std::filesystem::path> chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return path_of(path);
}

std::vector<std::filesystem::path> chosen(const QStringList& names) {
  std::vector<std::filesystem::path> files;
  files.reserve(static_cast<std::size_t>(names.size()));
  for (const QString& name : names)
    files.push_back(path_of(name));
  return files;
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

std::vector<std::filesystem::path> FileDialogs::add_pictures(const std::filesystem::path& folder) {
  return chosen(QFileDialog::getOpenFileNames(parent_, QString(), path_text(folder),
                                              kPictureFilters, nullptr, QFileDialog::ReadOnly));
}

std::vector<std::filesystem::path> FileDialogs::add_music() {
  return chosen(QFileDialog::getOpenFileNames(
      parent_, QString(), QStandardPaths::writableLocation(QStandardPaths::MusicLocation),
      kMusicFilter, nullptr, QFileDialog::ReadOnly));
}

std::optional<QFont> FileDialogs::choose_font(const QFont& font) {
  bool chosen = false;
  const QFont picked = QFontDialog::getFont(&chosen, font, parent_);
  if (!chosen) return std::nullopt;
  return picked;
}

std::optional<QColor> FileDialogs::choose_colour(const QColor& colour) {
  const QColor picked = QColorDialog::getColor(colour, parent_);
  if (!picked.isValid()) return std::nullopt;
  return picked;
}

}  // namespace pictavo
