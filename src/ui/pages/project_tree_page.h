#pragma once

#include <filesystem>

#include "ui/pages/step_page.h"

class QGridLayout;

namespace pictavo {

class EditHistory;
class Project;
class ProjectTree;
class UserDialogs;

// A page with the project's structure tree at its left: the first three pages.
// It carries out what the tree's menus ask of the page (adding and deleting
// slideshows); the page itself shows the current slideshow and follows the
// changes of the project while it is in view.
class ProjectTreePage : public StepPage {
  Q_OBJECT

 public:
  ProjectTreePage(Project& project, EditHistory& history, UserDialogs& dialogs,
                  QWidget* main_window, QWidget* parent);

  ProjectTree* tree() const { return tree_; }
  // The other pages may have added, renamed or deleted slideshows meanwhile.
  void page_shown() override;
  void follow(const ProjectChange& change) override;
  void release_project() override { release_slideshows(); }
  void project_replaced() override;

  // A new slideshow with the pictures the user chooses; nothing when the user
  // chooses none.
  void add_slideshow();
  // The tree's selected slideshow, after the user agreed.
  void delete_slideshow();
  void delete_all_slideshows();

 protected:
  void hideEvent(QHideEvent* event) override;
  // Shows the project's current slideshow, or nothing without slideshows.
  virtual void show_current_slideshow() {}
  // Slideshows are about to go: whatever reads their photos stops.
  virtual void release_slideshows() {}
  // Where the photo dialog starts: the folder of the photos added last, else the
  // user's pictures (the program folder holds none of them).
  std::filesystem::path photo_folder() const;
  // The page's grid: the tree stands in column 0 from row 1 down; row 0 holds the
  // controls above it. Column 1 and row 1 take the room the window gives.
  QGridLayout* grid() const { return grid_; }

  Project& project_;
  EditHistory& history_;
  UserDialogs& dialogs_;
  QWidget* main_window_;

 private:
  bool user_agrees_to_delete(const QString& question);
  void show_slideshow_in_view();

  ProjectTree* tree_;
  QGridLayout* grid_;
};

}  // namespace pictavo
