#pragma once

#include <QCoreApplication>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class QColor;
class QFont;
class QWidget;

namespace pictavo {

// The file and folder choosers the windows open, behind an interface so that tests
// can script the user's choices. Each returns nothing when the user cancels.
class UserDialogs {
 public:
  virtual ~UserDialogs() = default;
  // A project file to open, and one to save to, starting in `folder`.
  virtual std::optional<std::filesystem::path> open_project(
      const std::filesystem::path& folder) = 0;
  virtual std::optional<std::filesystem::path> save_project(
      const std::filesystem::path& folder) = 0;
  // A folder, with `title` over the chooser, starting at `start`.
  virtual std::optional<std::filesystem::path> choose_folder(
      const std::string& title, const std::filesystem::path& start) = 0;
  // The folders to import photos from ("Import photos from folder"); none when the
  // user cancels.
  virtual std::vector<std::filesystem::path> import_folders() = 0;
  // Picture files to add, several at once, starting in `folder`; none when the
  // user cancels.
  virtual std::vector<std::filesystem::path> add_pictures(const std::filesystem::path& folder) = 0;
  // Music files to add, several at once; none when the user cancels.
  virtual std::vector<std::filesystem::path> add_music() = 0;
  // A font or a colour for a text, starting from the text's own.
  virtual std::optional<QFont> choose_font(const QFont& font) = 0;
  virtual std::optional<QColor> choose_colour(const QColor& colour) = 0;
};

// The choosers as Qt's file dialogs over `parent`.
class FileDialogs final : public UserDialogs {
  Q_DECLARE_TR_FUNCTIONS(pictavo::FileDialogs)

 public:
  explicit FileDialogs(QWidget* parent) : parent_(parent) {}
  std::optional<std::filesystem::path> open_project(const std::filesystem::path& folder) override;
  std::optional<std::filesystem::path> save_project(const std::filesystem::path& folder) override;
  std::optional<std::filesystem::path> choose_folder(const std::string& title,
                                                     const std::filesystem::path& start) override;
  std::vector<std::filesystem::path> import_folders() override;
  std::vector<std::filesystem::path> add_pictures(const std::filesystem::path& folder) override;
  std::vector<std::filesystem::path> add_music() override;
  std::optional<QFont> choose_font(const QFont& font) override;
  std::optional<QColor> choose_colour(const QColor& colour) override;

 private:
  QWidget* parent_;
};

}  // namespace pictavo
