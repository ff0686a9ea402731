#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace pictavo {

class EditHistory;
class Project;
class UserDialogs;

// Lists the photos of the project whose files were not found, and finds them: the
// user picks a folder, every missing photo found in it or below it is relinked at
// once (one step of the history), and the list shows what is still missing.
class MissingPhotosDialog : public QDialog {
  Q_OBJECT

 public:
  MissingPhotosDialog(Project& project, EditHistory& history, UserDialogs& dialogs,
                      QWidget* parent = nullptr);

  QListWidget* list() const { return list_; }
  QPushButton* find_button() const { return find_; }
  QLabel* outcome() const { return outcome_; }
  // Asks for a folder and relinks what it holds.
  void find_in_folder();

 private:
  void show_missing();

  Project& project_;
  EditHistory& history_;
  UserDialogs& dialogs_;
  QLabel* intro_;
  QListWidget* list_;
  QLabel* outcome_;
  QPushButton* find_;
};

}  // namespace pictavo
