#pragma once

#include <QTreeWidget>

#include "model/project_observer.h"

class QMenu;

namespace pictavo {

class EditHistory;
class Project;

// The project's structure at the left of the first three pages: a root item for
// the disc and one item per slideshow in project order, with tooltips, pop-up
// menus and in-place renaming. Selecting a slideshow makes it the project's
// current one. Renaming and moving are steps of the edit history; what needs the
// page or the main window (adding, deleting, saving, opening) is asked by signal.
// The tree shows every change it is told of by follow().
class ProjectTree : public QTreeWidget {
  Q_OBJECT

 public:
  // Menu command ids, as the program has always numbered them.
  enum Command : int {
    kEditCaption = 32789,
    kAddSlideshow = 32790,
    kDeleteAllSlideshows = 32791,
    kDelete = 32793,
    kMoveUp = 32794,
    kMoveDown = 32795,
    kSaveProject = 32796,
    kLoadProject = 32797,
  };
  // What an item stands for, kept in its data with its photo count and seconds.
  enum ItemKind : int { kDisc = 0, kSlideshow = 1 };
  static constexpr int kKindRole = Qt::UserRole;
  static constexpr int kPhotoCountRole = Qt::UserRole + 1;
  static constexpr int kSecondsRole = Qt::UserRole + 2;

  ProjectTree(Project& project, EditHistory& history, QWidget* page);

  // Builds the items anew from the project and selects its current slideshow.
  void rebuild();
  // Refreshes the photo count and duration of slideshow `index`; -1 refreshes all.
  void refresh_slideshow(int index);
  // Shows a change of the project's slideshows.
  void follow(const ProjectChange& change);
  // Selects slideshow `index` without reporting it as the user's choice.
  void select_slideshow(int index);
  // The index of the selected slideshow; -1 when none or the root is selected.
  int selected_slideshow() const;
  // Carries out a menu command on the selected item, as choosing it does.
  void run_command(Command command);
  // Swaps the selected slideshow with its neighbour.
  void move_selected(bool up);

  QTreeWidgetItem* disc_item() const { return topLevelItem(0); }
  QMenu* disc_menu() const { return disc_menu_; }
  QMenu* slideshow_menu() const { return slideshow_menu_; }

 signals:
  // The user chose slideshow `index`, which is now the project's current one.
  void slideshow_selected(int index);
  void add_requested();
  void delete_requested();
  void delete_all_requested();
  void save_requested();
  void open_requested();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void build_menus();
  void update_item(QTreeWidgetItem& item, int index);
  void selection_changed();
  void item_edited(QTreeWidgetItem* item);

  Project& project_;
  EditHistory& history_;
  QMenu* disc_menu_ = nullptr;
  QMenu* slideshow_menu_ = nullptr;
  bool quiet_ = false;  // the tree itself changes items or selection: nothing to report
};

}  // namespace pictavo
