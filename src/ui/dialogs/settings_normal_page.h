#pragma once

#include <QWidget>
#include <filesystem>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pictavo {

class UserDialogs;

// The Settings dialog's "Normal" page: the working folder, below which the videos
// are written, and the TV's screen ratio.
class SettingsNormalPage : public QWidget {
  Q_OBJECT

 public:
  explicit SettingsNormalPage(UserDialogs& dialogs, QWidget* parent = nullptr);

  // Shows the folder and checks the ratio's button; a ratio other than 0 (4:3) or
  // 1 (16:9) checks neither.
  void show_values(const std::filesystem::path& working_folder, int aspect_ratio);
  std::filesystem::path working_folder() const;
  // 0 for 4:3, 1 for 16:9, `unchanged` while neither is checked.
  int aspect_ratio(int unchanged) const;

  QLineEdit* folder_edit() const { return folder_edit_; }
  QPushButton* browse_button() const { return browse_button_; }
  QRadioButton* ratio_button(int aspect_ratio) const;

 private:
  void browse();

  UserDialogs& dialogs_;
  QLineEdit* folder_edit_ = nullptr;
  QPushButton* browse_button_ = nullptr;
  QRadioButton* ratio_4_3_ = nullptr;
  QRadioButton* ratio_16_9_ = nullptr;
};

}  // namespace pictavo
