#include "ui/dialogs/import_folder_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/common/path_text.h"
#include "ui/dialogs/checked_folder_model.h"

namespace pictavo {
namespace {

// Where removable drives and the user's own photos are found: opened at the start
// so that the user need not look for them.
QStringList opened_folders() {
  const QString user = qEnvironmentVariable("USER");
  QStringList folders{QStringLiteral("/media"), QStringLiteral("/run/media"), QDir::homePath()};
  if (!user.isEmpty()) folders.append(QStringLiteral("/run/media/") + user);
  return folders;
}

}  // namespace

ImportFolderDialog::ImportFolderDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Import photos from folder"));
  resize(360, 420);

  auto* folders = new QFileSystemModel(this);
  folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  folders->setRootPath(QDir::rootPath());
  checks_ = new CheckedFolderModel(folders, this);

  view_ = new QTreeView(this);
  view_->setModel(checks_);
  view_->setHeaderHidden(true);
  for (int column = 1; column < folders->columnCount(); ++column)
    view_->hideColumn(column);
  for (const QString& folder : opened_folders()) {
    const QModelIndex index = checks_->mapFromSource(folders->index(folder));
    if (!index.isValid()) continue;
    for (QModelIndex up = index; up.isValid(); up = up.parent())
      view_->expand(up);
  }

  auto* clear = new QPushButton(tr("Clear All"), this);
  connect(clear, &QPushButton::clicked, this, &ImportFolderDialog::clear_all);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* row = new QHBoxLayout;
  row->addWidget(clear);
  row->addStretch();
  row->addWidget(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_);
  layout->addLayout(row);
}

ImportFolderDialog::~ImportFolderDialog() = default;

std::vector<std::filesystem::path> ImportFolderDialog::checked_folders() const {
  std::vector<std::filesystem::path> folders;
  for (const QString& folder : checks_->checked())
    folders.push_back(path_of(folder));
  return folders;
}

void ImportFolderDialog::set_checked(const std::filesystem::path& folder, bool checked) {
  checks_->set_checked(path_text(folder), checked);
}

void ImportFolderDialog::clear_all() {
  checks_->clear_checks();
}

}  // namespace pictavo
