#include "ui/app/user_dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QStandardPaths>
#include <span>

#include "ui/common/path_text.h"
#include "ui/dialogs/import_folder_dialog.h"

namespace pictavo {
namespace {

// A file chooser's filter: a name in the user's language and the file name patterns.
struct Filter {
  const char* name;
  const char* patterns;
};

constexpr Filter kProjectFilters[] = {
    {QT_TRANSLATE_NOOP("pictavo::FileDialogs", "Project Files"), "*.prg"}};
// The program's own filter texts, phone photos among the supported ones, then the
// further types it decodes, so that every picture a folder import takes can also be
// chosen one by one.
constexpr Filter kPictureFilters[] = {
    {QT_TRANSLATE_NOOP("pictavo::FileDialogs", "Supported files"),
     "*.bmp *.gif *.jpg *.jpeg *.png *.ico *.tif *.tiff *.wmf *.emf *.heic *.heif *.webp"},
    {QT_TRANSLATE_NOOP("pictavo::FileDialogs", "BMP files"), "*.bmp"},
    {QT_TRANSLATE_NOOP("pictavo::FileDialogs", "GIF files"), "*.gif"},
    {QT_TRANSLATE_NOOP("pictavo::FileDialogs", "JPG files"), "*.jpg *.jpeg"},
    {QT_TRANSLATE_NOOP("pictavo::FileDialogs", "PNG files"), "*.png"},
    {QT_TRANSLATE_NOOP("pictavo::FileDialogs", "TIF files"), "*.tif *.tiff"},
    {QT_TRANSLATE_NOOP("pictavo::FileDialogs", "Icon files"), "*.ico"},
    {QT_TRANSLATE_NOOP("pictavo::FileDialogs", "WMF and EMF files"), "*.wmf *.emf"},
    {QT_TRANSLATE_NOOP("pictavo::FileDialogs", "HEIC and WebP files"), "*.heic *.heif *.webp"},
    {QT_TRANSLATE_NOOP("pictavo::FileDialogs", "Other picture files"),
     "*.tga *.pcx *.wbmp *.jp2 *.j2k *.jpc *.j2c *.pgx *.pnm *.pgm *.ppm *.ras"},
};
constexpr Filter kMusicFilters[] = {
    {QT_TRANSLATE_NOOP("pictavo::FileDialogs", "All Supported Files"), "*.mp3 *.mp2 *.wav"}};

// "Name (patterns);;Name (patterns)", as QFileDialog takes its filters.
QString filter_text(std::span<const Filter> filters) {
  QStringList parts;
  for (const Filter& filter : filters) {
    parts << QStringLiteral("%1 (%2)").arg(FileDialogs::tr(filter.name),
                                           QLatin1String(filter.patterns));
  }
  return parts.join(QStringLiteral(";;"));
}

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
  return chosen(QFileDialog::getOpenFileName(parent_, QString(), path_text(folder),
                                             filter_text(kProjectFilters)));
}

std::optional<std::filesystem::path> FileDialogs::save_project(
    const std::filesystem::path& folder) {
  return chosen(QFileDialog::getSaveFileName(parent_, QString(), path_text(folder),
                                             filter_text(kProjectFilters)));
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
                                              filter_text(kPictureFilters), nullptr,
                                              QFileDialog::ReadOnly));
}

std::vector<std::filesystem::path> FileDialogs::add_music() {
  return chosen(QFileDialog::getOpenFileNames(
      parent_, QString(), QStandardPaths::writableLocation(QStandardPaths::MusicLocation),
      filter_text(kMusicFilters), nullptr, QFileDialog::ReadOnly));
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
