#pragma once

#include <vector>

#include "model/photo_preparation.h"
#include "model/slideshow.h"
#include "ui/common/control_map.h"
#include "ui/pages/project_tree_page.h"

class QLabel;
class QMenu;
class QToolButton;

namespace pictavo {

class HintBalloon;
class PhotoDetailList;
class ThumbnailList;

// The page Organize Photo: the project's slideshows in the tree, the current
// slideshow's photos as thumbnails or as a detail list, and the tool buttons and
// menus that add, import, delete, move, sort and rotate them. Every change goes
// to the project first and is then mirrored in the views. A command given while
// thumbnails load is carried out; loading goes on afterwards.
class OrganizePhotoPage : public ProjectTreePage {
  Q_OBJECT

 public:
  // Tool buttons and menu commands, numbered as the program has always numbered
  // them.
  enum Button : int {
    kImportFromFolder = 1148,
    kAddSlideshow = 1001,
    kDeleteSlideshow = 1002,
    kMoveSlideshowUp = 1003,
    kMoveSlideshowDown = 1004,
    kAddPictures = 1005,
    kDeletePictures = 1006,
    kMovePictureUp = 1013,
    kMovePictureDown = 1014,
    kArrangePictures = 1007,
    kRotateLeft = 1008,
    kRotateRight = 1009,
    kEditPicture = 1119,
    kDisplayMode = 1151,
    kToggleFileNames = 1121,
  };
  enum Command : int {
    kAscendingByName = 32780,
    kDescendingByName = 32781,
    kAscendingByDate = 32782,
    kDescendingByDate = 32783,
    kThumbnailSize0 = 32784,  // to kThumbnailSize0 + 3
    kBigThumbnail = 32798,
    kSmallThumbnail = 32799,
    kDetailList = 32800,
    kModifyPicture = 32817,
    kDelete = 32820,
    kResetImageEffect = 32821,
    kRandomImageEffect = 32822,
    kRandomTransition = 32823,
    kSetMenuThumbnail = 32824,
  };

  OrganizePhotoPage(Project& project, EditHistory& history, UserDialogs& dialogs,
                    QWidget* main_window, QWidget* parent);

  // Carries out a menu command or a tool button, as choosing or clicking it does.
  void run_command(int id);
  // "Total Duration 00:01:05".
  void show_total_duration(int seconds);
  // Points at the Add Slideshow button while the project has no slideshow.
  void show_hint();
  void follow(const ProjectChange& change) override;

  void import_from_folder();
  void add_pictures();
  void delete_pictures();
  void move_picture(bool up);
  void rotate_pictures(QuarterTurn turn);
  // Opens the picture editor on the first chosen photo and shows the photos as
  // they are after it.
  void edit_picture();
  void sort_pictures(PhotoSortKey key, SortDirection direction);

  QToolButton* button(Button id) const;
  QMenu* rearrange_menu() const { return rearrange_menu_; }
  QMenu* display_mode_menu() const { return display_mode_menu_; }
  QMenu* thumbnail_menu() const { return thumbnail_menu_; }
  ThumbnailList* thumbnail_list() const { return thumbnails_; }
  PhotoDetailList* detail_list() const { return details_; }
  HintBalloon* hint() const { return hint_; }
  QLabel* duration_label() const { return duration_; }
  bool detail_mode() const { return detail_mode_; }

 protected:
  void show_current_slideshow() override;
  void release_slideshows() override;

 private:
  void build_buttons();
  void build_menus();
  void show_thumbnails(int size_index);
  void show_details();
  void open_thumbnail_menu(QPoint position);
  // The photos the commands act on: the thumbnails' selection, or the detail
  // list's selected row.
  std::vector<int> chosen_photos() const;
  void set_effects(int command);

  QLabel* duration_;
  ThumbnailList* thumbnails_;
  PhotoDetailList* details_;
  HintBalloon* hint_;
  QMenu* rearrange_menu_ = nullptr;
  QMenu* display_mode_menu_ = nullptr;
  QMenu* thumbnail_menu_ = nullptr;
  bool detail_mode_ = false;
  ControlMap<QToolButton> buttons_;
};

}  // namespace pictavo
