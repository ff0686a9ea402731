#include "ui/dialogs/checked_folder_model.h"

#include <QFileSystemModel>
#include <utility>

namespace pictavo {

CheckedFolderModel::CheckedFolderModel(QFileSystemModel* folders, QObject* parent)
    : QIdentityProxyModel(parent), folders_(folders) {
  setSourceModel(folders);
}

QString CheckedFolderModel::path_of(const QModelIndex& index) const {
  return folders_->filePath(mapToSource(index));
}

Qt::ItemFlags CheckedFolderModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QIdentityProxyModel::flags(index);
  if (index.column() == 0) flags |= Qt::ItemIsUserCheckable;
  return flags;
}

QVariant CheckedFolderModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::CheckStateRole || index.column() != 0)
    return QIdentityProxyModel::data(index, role);
  return static_cast<int>(checked_.contains(path_of(index)) ? Qt::Checked : Qt::Unchecked);
}

bool CheckedFolderModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::CheckStateRole || index.column() != 0)
    return QIdentityProxyModel::setData(index, value, role);
  set_checked(path_of(index), value.value<Qt::CheckState>() == Qt::Checked);
  return true;
}

void CheckedFolderModel::set_checked(const QString& path, bool checked) {
  if (checked == checked_.contains(path)) return;
  if (checked) {
    checked_.append(path);
  } else {
    checked_.removeAll(path);
  }
  path_changed(path);
}

void CheckedFolderModel::clear_checks() {
  const QStringList cleared = std::exchange(checked_, {});
  for (const QString& path : cleared)
    path_changed(path);
}

void CheckedFolderModel::path_changed(const QString& path) {
  const QModelIndex index = mapFromSource(folders_->index(path));
  if (index.isValid()) emit dataChanged(index, index, {Qt::CheckStateRole});
}

}  // namespace pictavo
