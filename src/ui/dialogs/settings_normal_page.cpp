#include "ui/dialogs/settings_normal_page.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/app/user_dialogs.h"
#include "ui/common/path_text.h"

namespace pictavo {

SettingsNormalPage::SettingsNormalPage(UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs) {
  folder_edit_ = new QLineEdit(this);
  browse_button_ = new QPushButton(QStringLiteral("..."), this);
  browse_button_->setFixedWidth(32);
  connect(browse_button_, &QPushButton::clicked, this, &SettingsNormalPage::browse);
  auto* folder_row = new QHBoxLayout;
  auto* folder_label = new QLabel(tr("Output Folder:"), this);
  folder_label->setBuddy(folder_edit_);
  folder_row->addWidget(folder_label);
  folder_row->addWidget(folder_edit_, 1);
  folder_row->addWidget(browse_button_);

  // The two ratios are one choice: checking one clears the other.
  auto* ratio_box = new QGroupBox(tr("TV's Screen Ratio"), this);
  ratio_4_3_ = new QRadioButton(QStringLiteral("4:3"), ratio_box);
  ratio_16_9_ = new QRadioButton(QStringLiteral("16:9"), ratio_box);
  auto* ratios = new QButtonGroup(this);
  ratios->addButton(ratio_4_3_);
  ratios->addButton(ratio_16_9_);
  auto* ratio_row = new QHBoxLayout(ratio_box);
  ratio_row->addWidget(ratio_4_3_);
  ratio_row->addWidget(ratio_16_9_);
  ratio_row->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(folder_row);
  layout->addWidget(ratio_box);
  layout->addStretch();
}

void SettingsNormalPage::show_values(const std::filesystem::path& working_folder,
                                     int aspect_ratio) {
  folder_edit_->setText(path_text(working_folder));
  ratio_4_3_->setChecked(aspect_ratio == 0);
  ratio_16_9_->setChecked(aspect_ratio == 1);
}

std::filesystem::path SettingsNormalPage::working_folder() const {
  return path_of(folder_edit_->text());
}

int SettingsNormalPage::aspect_ratio(int unchanged) const {
  if (ratio_4_3_->isChecked()) return 0;
  if (ratio_16_9_->isChecked()) return 1;
  return unchanged;
}

QRadioButton* SettingsNormalPage::ratio_button(int aspect_ratio) const {
  return aspect_ratio == 0 ? ratio_4_3_ : ratio_16_9_;
}

void SettingsNormalPage::browse() {
  const std::optional<std::filesystem::path> folder = dialogs_.choose_folder(
      tr("Please select a destination folder").toStdString(), working_folder());
  if (folder) folder_edit_->setText(path_text(*folder));
}

}  // namespace pictavo
