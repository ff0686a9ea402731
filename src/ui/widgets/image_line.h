#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <span>
#include <vector>

#include "effects/effect_set.h"
#include "effects/image_effect.h"
#include "model/model_id.h"
#include "model/project_observer.h"
#include "ui/widgets/image_line_drop.h"
#include "ui/widgets/image_line_slot.h"
#include "ui/widgets/photo_selection.h"
#include "ui/widgets/transition_drag_data.h"

class QLineEdit;
class QMenu;
class QMimeData;
class QScrollBar;

namespace pictavo {

class EdgeScroller;
class EditHistory;
class InPlaceNumberEdit;
class Project;
class Slideshow;
class SlideshowThumbnails;

// The photos of the current slideshow as a strip of 138 × 100 slots in slideshow
// order: thumbnail, transition icon, both durations, start time and number. The
// user selects, reorders, drops transitions on, edits durations of and deletes
// photos here; every change is a step of the edit history, and the line shows
// the result when follow() is told of it. Its mouse, drag and drop live in
// image_line_input.cpp.
class ImageLine : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSlotWidth = image_line_slot::kWidth;
  static constexpr int kSlotHeight = image_line_slot::kHeight;
  static constexpr int kPageWidth = 414;

  // Menu and accelerator command ids, as the program has always numbered them.
  enum Command : int {
    kEditTransitionDuration = 32809,
    kPreview = 32811,
    kRandomizeImageEffect = 32812,
    kRandomizeTransition = 32813,
    kEditImageDuration = 32814,
    kDeleteImage = 32815,
    kDeleteImageEffect = 32816,
    kSelectAll = 32825,
    kDelete = 32826,
  };

  using Part = image_line_slot::Part;

  ImageLine(Project& project, EditHistory& history, QWidget* parent = nullptr);
  ~ImageLine() override;

  // Shows the slideshow (null: nothing) from its first slot.
  void load(Slideshow* slideshow);
  void clear() { load(nullptr); }
  // The slideshow shown; null when it is not in the project (any more).
  Slideshow* slideshow() const;

  // Photos + 2, or the visible slots + 2 when fewer photos fill them.
  int slot_count() const;
  int visible_slots() const { return visible_slots_; }
  int first_visible_slot() const { return first_visible_; }
  // The slot under a point of the line; points beyond either end give the first
  // or the last visible slot.
  int slot_at(int x) const;
  Part part_at(QPoint point) const;
  // The photo a slot shows, or -1 for a trailing empty slot.
  int photo_at_slot(int slot) const;

  std::vector<int> selected_photos() const;
  void select_photos(std::span<const int> photos);

  // "All" or the selected photos take the value.
  void apply_image_effect(bool all, ImageEffectCategory category);
  void apply_photo_duration(bool all, int seconds);
  void apply_transition(bool all, int picker_index);
  void apply_transition_duration(bool all, int seconds);

  // Shows a change of the slideshow shown; other changes pass by.
  void follow(const ProjectChange& change);

  // Moves the photos next to photo `target` (before or after it) and keeps them
  // selected; false, and nothing moved, when the target is no photo or is one of
  // them.
  bool drop_photos(std::vector<int> photos, int target, bool before);
  // Photo `photo` takes the effect set's transition at `picker_index`.
  bool drop_transition(int picker_index, int photo);
  // Deletes the selected photos; a slideshow left without photos is deleted.
  void delete_selected();

  // In-place duration edits of photo `photo` (Part kTransitionDuration or
  // kPhotoDuration). Committing stores the typed value brought into range; an
  // empty text keeps the old value.
  void begin_edit(int photo, Part part);
  void commit_edit();
  void cancel_edit();
  QLineEdit* duration_edit() const;

  void run_command(int command, int photo);
  // The context menu over `part` of photo `photo`; null where there is none.
  QMenu* make_context_menu(int photo, Part part);
  // "Index:%d   Single Effect: %s." for a photo slot, cut to 80 characters.
  QString tooltip_text(int photo) const;

 signals:
  // The user asked to preview the transition into photo `photo`.
  void preview_requested(int photo);
  // The user double-clicked photo `photo`'s picture to edit it.
  void edit_requested(int photo);
  // The selected photos are others than before.
  void selection_changed();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  enum class MouseState { kIdle, kSelecting, kPressedOnSelected, kDragging };

  void paint_slot(QPainter& painter, int slot, int left);
  void rebuild();
  void scroll_to(int position);
  void auto_scroll_tick(int direction);
  void start_drag();
  bool is_photo(int index) const;
  std::vector<int> targets(bool all) const;
  const QPixmap& transition_icon(TransitionType type);
  // What dropping `data` at `point` would do.
  ImageLineDrop drop_at(QPoint point, const QMimeData& data) const;

  Project& project_;
  EditHistory& history_;
  ModelId shown_ = 0;  // the slideshow shown, by id: it may go meanwhile
  PhotoSelection selection_;
  std::vector<int> told_selection_;  // the selection selection_changed last told of
  QPoint press_point_;
  int visible_slots_ = 1;
  int first_visible_ = 0;
  MouseState mouse_ = MouseState::kIdle;
  EdgeScroller* scroller_;   // while a drag or a selection is near either end
  ImageLineDrop drop_mark_;  // where the drag over the line would drop
  QScrollBar* scroll_bar_ = nullptr;
  InPlaceNumberEdit* duration_edit_ = nullptr;
  std::array<QPixmap, kConcreteTransitionCount> icons_;
  SlideshowThumbnails* thumbnails_;
};

}  // namespace pictavo
