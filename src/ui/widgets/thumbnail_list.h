#pragma once

#include <QListView>
#include <filesystem>
#include <vector>

#include "model/model_id.h"
#include "model/project_observer.h"
#include "ui/widgets/thumbnail_loader.h"

class QMimeData;

namespace pictavo {

class EditHistory;
class Slideshow;
class EdgeScroller;
class ThumbnailDelegate;
class ThumbnailModel;

// The photos of one slideshow as a grid of thumbnails in slideshow order.
//
// Loading shows a placeholder for every photo at once; one background worker
// then makes the thumbnails that the photos do not hold yet at the current size
// and the list shows them as they arrive. The photos keep their thumbnails, so
// reloading, reordering and deleting never make a thumbnail again.
//
// The list's commands (move, delete, drop) are steps of the edit history; the
// list shows their result, and that of any other change of the slideshow, when
// follow() is told of it. A change while thumbnails load stops the worker, is
// shown, and the worker goes on with the photos still without a thumbnail.
class ThumbnailList : public QListView {
  Q_OBJECT

 public:
  // `default_image` is the placeholder's picture; without it the placeholder is
  // plain grey.
  ThumbnailList(EditHistory& history, std::filesystem::path default_image,
                QWidget* parent = nullptr);
  ~ThumbnailList() override;

  // Shows the slideshow from its first photo.
  void load(Slideshow& slideshow);
  // Shows a change of the slideshow shown; other changes pass by.
  void follow(const ProjectChange& change);
  // Shows nothing.
  void clear();
  // The slideshow shown; null when it is not in the project (any more).
  Slideshow* slideshow() const;

  bool is_loading() const { return loading_; }
  // Returns once the worker has ended; the thumbnails it made are shown.
  void stop_loading();
  // Starts the worker for the items still without a thumbnail of the current
  // size; it tells the ready target when it is through.
  void resume_loading();

  // Swap the one selected photo with its neighbour; false when not exactly one
  // photo is selected or it stands at that end.
  bool move_selected_up();
  bool move_selected_down();
  void delete_selected();
  // Moves the dragged photos of `data` before the photo at `target` and selects
  // them; false for foreign data, a target outside the items or among the dragged
  // ones.
  bool drop_thumbnails(const QMimeData& data, int target);

  // Ascending.
  std::vector<int> selected_indices() const;
  bool is_selected(int index) const;

  // 0 to 3, into kThumbnailSizes.
  int size_index() const;
  void set_size_index(int index);
  bool captions_shown() const;
  void set_captions_shown(bool shown);

 signals:
  void selection_changed();
  // The user pressed Delete; the owner decides what goes.
  void delete_requested();
  // Every thumbnail of the slideshow shown is made.
  void loading_finished();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
  void startDrag(Qt::DropActions supported_actions) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // Runs a command on the slideshow with the worker stopped, and resumes it.
  template <typename Command>
  void with_loading_paused(Command command);
  void select_rows(const std::vector<int>& rows);
  void apply_cell_size();
  void make_placeholder();
  void set_drop_mark(int row);

  EditHistory& history_;
  std::filesystem::path default_image_;
  ThumbnailModel* model_;
  ThumbnailDelegate* delegate_;
  ModelId shown_ = 0;  // the slideshow shown, by id: it may go meanwhile
  bool loading_ = false;
  int drop_mark_ = -1;
  EdgeScroller* scroller_;  // while a drag is near the top or bottom edge
  ThumbnailLoader loader_;  // last: it ends before anything it reports to
};

}  // namespace pictavo
