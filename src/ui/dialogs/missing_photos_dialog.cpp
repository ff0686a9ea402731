#include "ui/dialogs/missing_photos_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <system_error>

#include "edit/edit_history.h"
#include "edit/relink_commands.h"
#include "model/photo_relinking.h"
#include "model/project.h"
#include "ui/app/user_dialogs.h"
#include "ui/common/path_text.h"
#include "ui/common/wait_cursor.h"

namespace pictavo {
namespace {

// The nearest folder of `photo`'s old place that is still there.
std::filesystem::path nearest_existing_folder(const std::filesystem::path& photo) {
  std::error_code error;
  for (std::filesystem::path folder = photo.parent_path(); !folder.empty();
       folder = folder.parent_path()) {
    if (std::filesystem::is_directory(folder, error)) return folder;
    if (folder == folder.root_path()) break;
  }
  return {};
}

}  // namespace

MissingPhotosDialog::MissingPhotosDialog(Project& project, EditHistory& history,
                                         UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      project_(project),
      history_(history),
      dialogs_(dialogs),
      intro_(new QLabel(this)),
      list_(new QListWidget(this)),
      outcome_(new QLabel(this)),
      find_(new QPushButton(tr("Find in Folder..."), this)) {
  setWindowTitle(tr("Missing Photos"));
  intro_->setWordWrap(true);
  outcome_->setWordWrap(true);
  list_->setAccessibleName(tr("Missing photos"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->addButton(find_, QDialogButtonBox::ActionRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(find_, &QPushButton::clicked, this, &MissingPhotosDialog::find_in_folder);
  find_->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro_);
  layout->addWidget(list_, 1);
  layout->addWidget(outcome_);
  layout->addWidget(buttons);
  resize(560, 340);
  show_missing();
}

void MissingPhotosDialog::show_missing() {
  const std::vector<std::filesystem::path> missing = project_.missing_photos();
  if (missing.empty()) {
    intro_->setText(tr("Every photo of the project is found."));
  } else if (missing.size() == 1) {
    intro_->setText(
        tr("1 photo of this project could not be found. It stays in the project and is left out "
           "of the videos until you find it: choose the folder it was moved to, and Pictavo "
           "looks for it in that folder and in the folders below it."));
  } else {
    intro_->setText(
        tr("%1 photos of this project could not be found. They stay in the project and are left "
           "out of the videos until you find them: choose the folder they were moved to, and "
           "Pictavo looks for them in that folder and in the folders below it.")
            .arg(missing.size()));
  }
  list_->clear();
  for (const std::filesystem::path& photo : missing)
    list_->addItem(path_text(photo));
  find_->setEnabled(!missing.empty());
}

void MissingPhotosDialog::find_in_folder() {
  const std::vector<std::filesystem::path> missing = project_.missing_photos();
  if (missing.empty()) return;
  const std::optional<std::filesystem::path> folder =
      dialogs_.choose_folder(tr("Choose the folder the photos were moved to").toStdString(),
                             nearest_existing_folder(missing.front()));
  if (!folder) return;
  // A large folder tree takes a while to search.
  const WaitCursor waiting;
  const RelinkSearch search = find_moved_photos(project_, *folder);
  if (!search.found.empty()) history_.run(relink_photos_edit(search.found));
  outcome_->setText(tr("Found %1 of %2 photos in %3.")
                        .arg(search.found.size())
                        .arg(missing.size())
                        .arg(path_text(*folder)));
  show_missing();
}

}  // namespace pictavo
