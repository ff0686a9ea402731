#pragma once

#include <QDialog>
#include <filesystem>
#include <vector>

class QTreeView;

namespace pictavo {

class CheckedFolderModel;

// "Import photos from folder": the computer's folders as a tree with a check box at
// each, removable drives under /media and /run/media opened at the start. OK gives
// the checked folders as full paths; "Clear All" clears every check.
class ImportFolderDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ImportFolderDialog(QWidget* parent = nullptr);
  ~ImportFolderDialog() override;

  // The checked folders, in the order they were checked.
  std::vector<std::filesystem::path> checked_folders() const;
  // Checks or clears `folder`, as its check box does.
  void set_checked(const std::filesystem::path& folder, bool checked);
  void clear_all();

  QTreeView* folder_view() const { return view_; }

 private:
  CheckedFolderModel* checks_ = nullptr;
  QTreeView* view_ = nullptr;
};

}  // namespace pictavo
