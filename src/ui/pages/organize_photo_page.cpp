#include "ui/pages/organize_photo_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QShortcut>
#include <QToolButton>
#include <algorithm>
#include <array>

#include "edit/edit_history.h"
#include "edit/photo_commands.h"
#include "edit/picture_commands.h"
#include "edit/slideshow_commands.h"
#include "model/photo_adding.h"
#include "model/project.h"
#include "model/project_messages.h"
#include "ui/app/user_dialogs.h"
#include "ui/common/tool_icon.h"
#include "ui/common/wait_cursor.h"
#include "ui/editor/picture_editor_dialog.h"
#include "ui/widgets/hint_balloon.h"
#include "ui/widgets/photo_detail_list.h"
#include "ui/widgets/project_tree.h"
#include "ui/widgets/thumbnail_list.h"
#include "ui/widgets/thumbnail_sizes.h"

namespace pictavo {
namespace {

constexpr int kButtonSize = 32;
constexpr int kButtonSpacing = 5;
constexpr int kGroupSpacing = 38;  // between the slideshow and the picture buttons

struct ButtonEntry {
  OrganizePhotoPage::Button id;
  const char* tooltip;
  const char* icon;
};

constexpr std::array<ButtonEntry, 15> kButtons{{
    {OrganizePhotoPage::kImportFromFolder,
     QT_TRANSLATE_NOOP("pictavo::OrganizePhotoPage", "Add Slideshow: Import Images from Folder"),
     "import_folder"},
    {OrganizePhotoPage::kAddSlideshow,
     QT_TRANSLATE_NOOP("pictavo::OrganizePhotoPage", "Add Slideshow: Add Picture Files"),
     "add_slideshow"},
    {OrganizePhotoPage::kDeleteSlideshow,
     QT_TRANSLATE_NOOP("pictavo::OrganizePhotoPage", "Delete Slideshow"), "delete_slideshow"},
    {OrganizePhotoPage::kMoveSlideshowUp,
     QT_TRANSLATE_NOOP("pictavo::OrganizePhotoPage", "Move Slideshow Up"), "slideshow_up"},
    {OrganizePhotoPage::kMoveSlideshowDown,
     QT_TRANSLATE_NOOP("pictavo::OrganizePhotoPage", "Move Slideshow Down"), "slideshow_down"},
    {OrganizePhotoPage::kAddPictures,
     QT_TRANSLATE_NOOP("pictavo::OrganizePhotoPage", "Add Pictures"), "add_picture"},
    {OrganizePhotoPage::kDeletePictures,
     QT_TRANSLATE_NOOP("pictavo::OrganizePhotoPage", "Delete Pictures"), "delete_picture"},
    {OrganizePhotoPage::kMovePictureUp,
     QT_TRANSLATE_NOOP("pictavo::OrganizePhotoPage", "Move Picture Up"), "picture_left"},
    {OrganizePhotoPage::kMovePictureDown,
     QT_TRANSLATE_NOOP("pictavo::OrganizePhotoPage", "Move Picture Down"), "picture_right"},
    {OrganizePhotoPage::kArrangePictures,
     QT_TRANSLATE_NOOP("pictavo::OrganizePhotoPage", "Arrange Pictures"), "arrange_pictures"},
    {OrganizePhotoPage::kRotateLeft,
     QT_TRANSLATE_NOOP("pictavo::OrganizePhotoPage", "Rotate Picture Left"), "rotate_left"},
    {OrganizePhotoPage::kRotateRight,
     QT_TRANSLATE_NOOP("pictavo::OrganizePhotoPage", "Rotate Picture Right"), "rotate_right"},
    {OrganizePhotoPage::kEditPicture,
     QT_TRANSLATE_NOOP("pictavo::OrganizePhotoPage", "Edit Picture"), "edit_picture"},
    {OrganizePhotoPage::kDisplayMode,
     QT_TRANSLATE_NOOP("pictavo::OrganizePhotoPage", "Display Mode"), "display_mode"},
    {OrganizePhotoPage::kToggleFileNames,
     QT_TRANSLATE_NOOP("pictavo::OrganizePhotoPage", "Show or Hide File Names"), "file_names"},
}};

// "Total Duration: 00:01:05".
QString duration_text(int seconds) {
  return OrganizePhotoPage::tr("Total Duration: %1")
      .arg(QString::asprintf("%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60));
}

}  // namespace

OrganizePhotoPage::OrganizePhotoPage(Project& project, EditHistory& history, UserDialogs& dialogs,
                                     QWidget* main_window, QWidget* parent)
    : ProjectTreePage(project, history, dialogs, main_window, parent),
      duration_(new QLabel(duration_text(0), this)),
      thumbnails_(new ThumbnailList(
          history, project.preferences.program_folder / "res" / "defaultImage.bmp", this)),
      details_(new PhotoDetailList(this)),
      hint_(new HintBalloon(tr("Please add a slideshow here!"), this)) {
  // The thumbnails and the detail list share the view's place; one is shown.
  grid()->addWidget(thumbnails_, 1, 1);
  grid()->addWidget(details_, 1, 1);
  details_->hide();
  thumbnails_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(thumbnails_, &QWidget::customContextMenuRequested, this,
          &OrganizePhotoPage::open_thumbnail_menu);
  connect(thumbnails_, &ThumbnailList::delete_requested, this, &OrganizePhotoPage::delete_pictures);
  connect(thumbnails_, &QAbstractItemView::doubleClicked, this, [this] { edit_picture(); });
  connect(details_, &QAbstractItemView::doubleClicked, this, [this] { edit_picture(); });
  // Delete in the detail list deletes its photo, as it does in the thumbnails.
  auto* remove =
      new QShortcut(QKeySequence(Qt::Key_Delete), details_, nullptr, nullptr, Qt::WidgetShortcut);
  connect(remove, &QShortcut::activated, this, &OrganizePhotoPage::delete_pictures);
  build_buttons();
  build_menus();
  show_current_slideshow();
}

void OrganizePhotoPage::build_buttons() {
  auto* row = new QHBoxLayout;
  row->setContentsMargins(14, 0, 0, 0);
  row->setSpacing(kButtonSpacing);
  for (const ButtonEntry& entry : kButtons) {
    auto* button = buttons_.add(entry.id, new QToolButton(this));
    button->setFixedSize(kButtonSize, kButtonSize);
    if (entry.id == kAddPictures) row->addSpacing(kGroupSpacing - kButtonSpacing);
    row->addWidget(button, 0, Qt::AlignBottom);
    set_tool_icon(*button, project_.preferences.program_folder, entry.icon, tr(entry.tooltip));
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, [this, id = entry.id] {
      hint_->hide();
      run_command(id);
    });
  }
  row->addStretch();
  row->addWidget(duration_, 0, Qt::AlignBottom);
  grid()->addLayout(row, 0, 0, 1, 2);
  grid()->setRowMinimumHeight(0, 49);
}

QToolButton* OrganizePhotoPage::button(Button id) const {
  return buttons_.at(id);
}

void OrganizePhotoPage::build_menus() {
  const auto add = [this](QMenu* menu, int id, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { run_command(id); });
    return action;
  };
  rearrange_menu_ = new QMenu(tr("Arrange Pictures"), this);
  add(rearrange_menu_, kAscendingByName, tr("Ascending by Name"));
  add(rearrange_menu_, kDescendingByName, tr("Descending by Name"));
  add(rearrange_menu_, kAscendingByDate, tr("Ascending by Date"));
  add(rearrange_menu_, kDescendingByDate, tr("Descending by Date"));

  display_mode_menu_ = new QMenu(tr("Display Mode"), this);
  add(display_mode_menu_, kBigThumbnail, tr("Large Thumbnails"));
  add(display_mode_menu_, kDetailList, tr("Detail List"));
  QMenu* sizes = display_mode_menu_->addMenu(tr("Thumbnail Size"));
  for (int index = 0; index < static_cast<int>(kThumbnailSizes.size()); ++index)
    add(sizes, kThumbnailSize0 + index,
        QString::fromLatin1(kThumbnailSizes.at(static_cast<std::size_t>(index)).menu_text));

  thumbnail_menu_ = new QMenu(tr("Thumbnail popup"), this);
  add(thumbnail_menu_, kModifyPicture, tr("Edit Picture"));
  add(thumbnail_menu_, kDelete, tr("Delete"));
  add(thumbnail_menu_, kResetImageEffect, tr("Reset image effect (no Pan/Zoom/Rotate)"));
  add(thumbnail_menu_, kRandomImageEffect, tr("Randomize image effect (Pan/Zoom/Rotate)"));
  add(thumbnail_menu_, kRandomTransition, tr("Randomize transition effect"));
  add(thumbnail_menu_, kSetMenuThumbnail, tr("Set as menu thumbnail"));
}

void OrganizePhotoPage::run_command(int id) {
  switch (id) {
    case kImportFromFolder:
      return import_from_folder();
    case kAddSlideshow:
      return add_slideshow();
    case kDeleteSlideshow:
      return delete_slideshow();
    case kMoveSlideshowUp:
    case kMoveSlideshowDown:
      return tree()->move_selected(id == kMoveSlideshowUp);
    case kAddPictures:
      return add_pictures();
    case kDeletePictures:
    case kDelete:
      return delete_pictures();
    case kMovePictureUp:
    case kMovePictureDown:
      return move_picture(id == kMovePictureUp);
    case kArrangePictures: {
      // Centred on the button's right edge, below it.
      const QToolButton* arrange = button(kArrangePictures);
      const QPoint corner = arrange->mapToGlobal(QPoint(arrange->width(), arrange->height()));
      rearrange_menu_->popup(corner - QPoint(rearrange_menu_->sizeHint().width() / 2, 0));
      return;
    }
    case kRotateLeft:
    case kRotateRight:
      return rotate_pictures(id == kRotateLeft ? QuarterTurn::kLeft : QuarterTurn::kRight);
    case kEditPicture:
    case kModifyPicture:
      return edit_picture();
    case kDisplayMode: {
      const QToolButton* mode = button(kDisplayMode);
      display_mode_menu_->popup(mode->mapToGlobal(QPoint(0, mode->height())));
      return;
    }
    case kToggleFileNames:
      return thumbnails_->set_captions_shown(!thumbnails_->captions_shown());
    case kAscendingByName:
      return sort_pictures(PhotoSortKey::kName, SortDirection::kAscending);
    case kDescendingByName:
      return sort_pictures(PhotoSortKey::kName, SortDirection::kDescending);
    case kAscendingByDate:
      return sort_pictures(PhotoSortKey::kDate, SortDirection::kAscending);
    case kDescendingByDate:
      return sort_pictures(PhotoSortKey::kDate, SortDirection::kDescending);
    case kThumbnailSize0:
    case kThumbnailSize0 + 1:
    case kThumbnailSize0 + 2:
    case kThumbnailSize0 + 3:
      return show_thumbnails(id - kThumbnailSize0);
    case kBigThumbnail:
      return show_thumbnails(1);
    case kSmallThumbnail:
      return show_thumbnails(0);
    case kDetailList:
      return show_details();
    case kResetImageEffect:
    case kRandomImageEffect:
    case kRandomTransition:
    case kSetMenuThumbnail:
      return set_effects(id);
    default:
      return;
  }
}

void OrganizePhotoPage::show_total_duration(int seconds) {
  duration_->setText(duration_text(seconds));
}

void OrganizePhotoPage::follow(const ProjectChange& change) {
  ProjectTreePage::follow(change);
  if (isHidden()) return;
  using Kind = ProjectChange::Kind;
  if (change.kind == Kind::kSlideshowAdded) hint_->hide();
  if (!detail_mode_) {
    thumbnails_->follow(change);
    return;
  }
  const Slideshow* slideshow = project_.current();
  const bool of_photos = change.changes_photo_list() || change.kind == Kind::kPhotosChanged;
  if (slideshow == nullptr || !of_photos || change.slideshow != slideshow->id()) return;
  const int row = details_->selected_row();
  details_->show_slideshow(slideshow);
  details_->select_row(std::min(row, static_cast<int>(slideshow->photos.size()) - 1));
}

void OrganizePhotoPage::show_current_slideshow() {
  Slideshow* slideshow = project_.current();
  if (slideshow != nullptr) hint_->hide();
  if (detail_mode_) {
    thumbnails_->clear();
    details_->show_slideshow(slideshow);
  } else {
    details_->show_slideshow(nullptr);
    if (slideshow != nullptr)
      thumbnails_->load(*slideshow);
    else
      thumbnails_->clear();
  }
}

void OrganizePhotoPage::release_slideshows() {
  thumbnails_->clear();
  details_->show_slideshow(nullptr);
}

void OrganizePhotoPage::show_thumbnails(int size_index) {
  detail_mode_ = false;
  thumbnails_->set_size_index(size_index);
  details_->hide();
  thumbnails_->show();
  show_current_slideshow();
}

void OrganizePhotoPage::show_details() {
  detail_mode_ = true;
  thumbnails_->hide();
  details_->show();
  show_current_slideshow();
}

std::vector<int> OrganizePhotoPage::chosen_photos() const {
  if (!detail_mode_) return thumbnails_->selected_indices();
  const int row = details_->selected_row();
  return row < 0 ? std::vector<int>{} : std::vector<int>{row};
}

void OrganizePhotoPage::import_from_folder() {
  const std::vector<std::filesystem::path> folders = dialogs_.import_folders();
  if (folders.empty()) return;
  const WaitCursor wait;
  FolderImportResult result;
  history_.run(import_folders_edit(folders, &result));
}

void OrganizePhotoPage::add_pictures() {
  Slideshow* slideshow = project_.current();
  if (slideshow == nullptr) return;
  const std::vector<std::filesystem::path> files = dialogs_.add_pictures(photo_folder());
  if (files.empty()) return;
  PhotoFilesResult result;
  history_.run(add_photos_edit(slideshow->id(), files, &result));
  // The files left out are the user's choice too: say why they were.
  if (result.limit_reached) project_.front_end.show(too_many_images_message());
}

void OrganizePhotoPage::delete_pictures() {
  Slideshow* slideshow = project_.current();
  if (slideshow == nullptr) return;
  if (!detail_mode_) {
    thumbnails_->delete_selected();
    return;
  }
  const int row = details_->selected_row();
  if (row >= 0) history_.run(remove_photos_edit(slideshow->id(), {row}));
}

void OrganizePhotoPage::move_picture(bool up) {
  Slideshow* slideshow = project_.current();
  if (slideshow == nullptr) return;
  if (!detail_mode_) {
    if (up)
      thumbnails_->move_selected_up();
    else
      thumbnails_->move_selected_down();
    return;
  }
  const int row = details_->selected_row();
  const int target = up ? row - 1 : row + 1;
  if (row < 0 || target < 0 || target >= static_cast<int>(slideshow->photos.size())) return;
  if (history_.run(move_photo_edit(slideshow->id(), row, up))) details_->select_row(target);
}

void OrganizePhotoPage::rotate_pictures(QuarterTurn turn) {
  Slideshow* slideshow = project_.current();
  if (slideshow == nullptr) return;
  const std::vector<int> chosen = chosen_photos();
  if (chosen.empty()) return;
  bool all_turned = true;
  history_.run(rotate_photos_edit(
      slideshow->id(), chosen, turn,
      [this](const std::filesystem::path& path) { return history_.holds_picture(path); },
      &all_turned));
  // Only a turn that happened is reported as done.
  if (detail_mode_ && turn == QuarterTurn::kLeft && all_turned)
    project_.front_end.show(PromptMessage{
        tr("Rotation done!").toStdString(), {}, PromptButtons::kOk, PromptIcon::kNone});
}

void OrganizePhotoPage::edit_picture() {
  const std::vector<int> chosen = chosen_photos();
  if (project_.current() == nullptr || chosen.empty()) return;
  PictureEditorDialog editor(project_, history_, *std::min_element(chosen.begin(), chosen.end()),
                             dialogs_, main_window_);
  // A thumbnail made from a picture before the editor saved a new one must not
  // arrive after it; the slideshow is shown anew afterwards.
  thumbnails_->stop_loading();
  editor.exec();
  show_current_slideshow();
}

void OrganizePhotoPage::sort_pictures(PhotoSortKey key, SortDirection direction) {
  Slideshow* slideshow = project_.current();
  if (slideshow == nullptr) return;
  history_.run(sort_photos_edit(slideshow->id(), key, direction));
}

void OrganizePhotoPage::set_effects(int command) {
  Slideshow* slideshow = project_.current();
  const std::vector<int> chosen = thumbnails_->selected_indices();
  if (slideshow == nullptr || chosen.empty()) return;
  switch (command) {
    case kResetImageEffect:
      history_.run(image_effect_edit(slideshow->id(), chosen, ImageEffectCategory::kNone));
      break;
    case kRandomImageEffect:
      history_.run(image_effect_edit(slideshow->id(), chosen, ImageEffectCategory::kPanZoomRotate));
      break;
    case kRandomTransition:
      history_.run(transition_edit(slideshow->id(), chosen, *project_.effect_set.template_at(0)));
      break;
    case kSetMenuThumbnail:
      if (chosen.size() == 1) history_.run(cover_edit(slideshow->id(), chosen.front()));
      break;
    default:
      return;
  }
}

void OrganizePhotoPage::open_thumbnail_menu(QPoint position) {
  if (!thumbnails_->indexAt(position).isValid()) return;
  // The editor and the cover take one photo.
  const bool one = thumbnails_->selected_indices().size() == 1;
  for (QAction* action : thumbnail_menu_->actions()) {
    const int id = action->data().toInt();
    if (id == kSetMenuThumbnail || id == kModifyPicture) action->setEnabled(one);
  }
  thumbnail_menu_->popup(thumbnails_->viewport()->mapToGlobal(position));
}

void OrganizePhotoPage::show_hint() {
  // A project opened at start-up has its slideshows already.
  if (project_.slideshow_count() > 0) return;
  // Below the button, so that the first click on it is the button's.
  grid()->activate();
  const QRect add = button(kAddSlideshow)->geometry();
  hint_->point_at(QPoint(add.center().x(), add.bottom() + 1));
}

}  // namespace pictavo
