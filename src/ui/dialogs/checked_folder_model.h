#pragma once

#include <QIdentityProxyModel>
#include <QStringList>

class QFileSystemModel;

namespace pictavo {

// The folders of a file system model with a check box at each. The checks are kept
// by path, so a folder can be checked before the model has read it.
class CheckedFolderModel : public QIdentityProxyModel {
  Q_OBJECT

 public:
  explicit CheckedFolderModel(QFileSystemModel* folders, QObject* parent = nullptr);

  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // The checked folders' full paths, in the order they were checked.
  const QStringList& checked() const { return checked_; }
  void set_checked(const QString& path, bool checked);
  void clear_checks();

 private:
  QString path_of(const QModelIndex& index) const;
  void path_changed(const QString& path);

  QFileSystemModel* folders_;
  QStringList checked_;
};

}  // namespace pictavo
