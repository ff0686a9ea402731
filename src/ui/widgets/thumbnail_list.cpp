#include "ui/widgets/thumbnail_list.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <chrono>

#include "edit/edit_history.h"
#include "edit/photo_commands.h"
#include "image/small_pictures.h"
#include "model/project.h"
#include "model/slideshow.h"
#include "ui/common/qt_image.h"
#include "ui/widgets/edge_scroller.h"
#include "ui/widgets/thumbnail_delegate.h"
#include "ui/widgets/thumbnail_drag_data.h"
#include "ui/widgets/thumbnail_model.h"
#include "ui/widgets/thumbnail_sizes.h"

namespace pictavo {
namespace {

constexpr int kScrollBand = 15;  // from the top or bottom edge, a drag scrolls
constexpr int kScrollStepsPerPage = 5;
constexpr int kDropMarkWidth = 2;
const QColor kDropMark{0xFF, 0x8C, 0x00};
const QColor kMissingPicture{0xD8, 0xD8, 0xD8};

std::vector<PhotoItem*> photos_of(const Slideshow& slideshow) {
  std::vector<PhotoItem*> photos;
  photos.reserve(slideshow.photos.size());
  for (const auto& photo : slideshow.photos)
    photos.push_back(photo.get());
  return photos;
}

}  // namespace

ThumbnailList::ThumbnailList(EditHistory& history, std::filesystem::path default_image,
                             QWidget* parent)
    : QListView(parent),
      history_(history),
      default_image_(std::move(default_image)),
      model_(new ThumbnailModel(this)),
      delegate_(new ThumbnailDelegate(this)),
      scroller_(new EdgeScroller(kScrollBand, this)),
      loader_(model_) {
  model_->set_source([this] { return slideshow(); });
  setViewMode(QListView::ListMode);
  setFlow(QListView::LeftToRight);
  setWrapping(true);
  setResizeMode(QListView::Adjust);
  setMovement(QListView::Static);
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDropIndicatorShown(false);
  setDragDropMode(QAbstractItemView::DragDrop);
  setItemDelegate(delegate_);
  setModel(model_);
  connect(scroller_, &EdgeScroller::tick, this, [this](int direction) {
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + direction * std::max(1, bar->pageStep() / kScrollStepsPerPage));
  });
  connect(&loader_, &ThumbnailLoader::made, model_, &ThumbnailModel::take, Qt::QueuedConnection);
  // Both to the model, so that a stop delivers both.
  connect(
      &loader_, &ThumbnailLoader::finished, model_,
      [this] {
        loading_ = false;
        emit loading_finished();
      },
      Qt::QueuedConnection);
  set_size_index(kDefaultThumbnailSize);
}

ThumbnailList::~ThumbnailList() = default;

Slideshow* ThumbnailList::slideshow() const {
  return history_.project().find_slideshow(shown_);
}

void ThumbnailList::load(Slideshow& slideshow) {
  stop_loading();
  shown_ = slideshow.id();
  model_->show_from(0, photos_of(slideshow));
  resume_loading();
}

void ThumbnailList::follow(const ProjectChange& change) {
  if (shown_ == 0 || change.slideshow != shown_) return;
  // Notices come once a step is complete: the slideshow may be gone by then.
  if (slideshow() == nullptr) return clear();
  if (change.changes_photo_list())
    with_loading_paused([this] { model_->follow(photos_of(*slideshow())); });
  else if (change.kind == ProjectChange::Kind::kPhotosChanged)
    model_->rows_changed(change.index, change.count);
  else
    return;
  // New photos and changed pictures have no thumbnail yet.
  if (!loading_ && !model_->missing().empty()) resume_loading();
}

void ThumbnailList::clear() {
  stop_loading();
  shown_ = 0;
  model_->show_from(0, {});
}

void ThumbnailList::stop_loading() {
  loader_.stop();
  loading_ = false;
}

void ThumbnailList::resume_loading() {
  if (!slideshow()) return;
  loading_ = true;
  loader_.start(model_->missing(), model_->size_index(), devicePixelRatioF());
}

template <typename Command>
void ThumbnailList::with_loading_paused(Command command) {
  const bool was_loading = loading_;
  stop_loading();
  command();
  if (was_loading) resume_loading();
}

bool ThumbnailList::move_selected_up() {
  const std::vector<int> selected = selected_indices();
  if (!slideshow() || selected.size() != 1 || selected.front() == 0) return false;
  history_.run(move_photo_edit(slideshow()->id(), selected.front(), true));
  return true;
}

bool ThumbnailList::move_selected_down() {
  const std::vector<int> selected = selected_indices();
  if (!slideshow() || selected.size() != 1 || selected.front() + 1 == model_->rowCount())
    return false;
  history_.run(move_photo_edit(slideshow()->id(), selected.front(), false));
  return true;
}

void ThumbnailList::delete_selected() {
  const std::vector<int> selected = selected_indices();
  if (!slideshow() || selected.empty()) return;
  if (history_.run(remove_photos_edit(slideshow()->id(), selected))) clearSelection();
}

bool ThumbnailList::drop_thumbnails(const QMimeData& data, int target) {
  const int count = model_->rowCount();
  if (!slideshow() || target < 0 || target >= count) return false;
  std::optional<std::vector<int>> dragged = decode_thumbnail_drag(data.data(kThumbnailMimeType));
  if (!dragged || dragged->empty()) return false;
  const auto outside = [count](int index) { return index >= count; };
  if (std::any_of(dragged->begin(), dragged->end(), outside) ||
      std::find(dragged->begin(), dragged->end(), target) != dragged->end())
    return false;
  std::vector<ModelId> moved;
  for (const int index : *dragged)
    moved.push_back(slideshow()->photos[static_cast<std::size_t>(index)]->id);
  history_.run(move_photos_edit(slideshow()->id(), *dragged, target, true));
  for (std::size_t k = 0; k < moved.size(); ++k)
    (*dragged)[k] = slideshow()->photo_index(moved[k]);
  select_rows(*dragged);
  return true;
}

std::vector<int> ThumbnailList::selected_indices() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedIndexes())
    rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

bool ThumbnailList::is_selected(int index) const {
  return selectionModel()->isSelected(model_->index(index));
}

int ThumbnailList::size_index() const {
  return model_->size_index();
}

void ThumbnailList::set_size_index(int index) {
  index = std::clamp(index, 0, static_cast<int>(kThumbnailSizes.size()) - 1);
  const bool was_loading = loading_;
  stop_loading();
  model_->set_size_index(index);
  make_placeholder();
  apply_cell_size();
  // Thumbnails of another size are made anew.
  if (was_loading || (slideshow() && !model_->missing().empty())) resume_loading();
}

bool ThumbnailList::captions_shown() const {
  return model_->captions_shown();
}

void ThumbnailList::set_captions_shown(bool shown) {
  model_->set_captions_shown(shown);
  apply_cell_size();
}

void ThumbnailList::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
    emit delete_requested();
    return;
  }
  QListView::keyPressEvent(event);
}

void ThumbnailList::selectionChanged(const QItemSelection& selected,
                                     const QItemSelection& deselected) {
  QListView::selectionChanged(selected, deselected);
  emit selection_changed();
}

void ThumbnailList::startDrag(Qt::DropActions) {
  const QModelIndexList dragged = selectedIndexes();
  if (dragged.isEmpty()) return;
  auto* drag = new QDrag(this);
  drag->setMimeData(model_->mimeData(dragged));
  // The thumbnail under the cursor follows it.
  const QModelIndex shown = currentIndex().isValid() ? currentIndex() : dragged.front();
  drag->setPixmap(QPixmap::fromImage(shown.data(Qt::DecorationRole).value<QImage>()));
  drag->exec(Qt::MoveAction);
  set_drop_mark(-1);
  scroller_->stop();
}

void ThumbnailList::dragEnterEvent(QDragEnterEvent* event) {
  if (event->source() == this && event->mimeData()->hasFormat(kThumbnailMimeType))
    event->acceptProposedAction();
  else
    event->ignore();
}

void ThumbnailList::dragMoveEvent(QDragMoveEvent* event) {
  scroller_->follow(event->position().toPoint().y(), viewport()->height());
  const int row = indexAt(event->position().toPoint()).row();
  if (row < 0 || is_selected(row)) {
    set_drop_mark(-1);
    event->ignore();
    return;
  }
  set_drop_mark(row);
  event->acceptProposedAction();
}

void ThumbnailList::dragLeaveEvent(QDragLeaveEvent*) {
  set_drop_mark(-1);
  scroller_->stop();
}

void ThumbnailList::dropEvent(QDropEvent* event) {
  set_drop_mark(-1);
  scroller_->stop();
  const int row = indexAt(event->position().toPoint()).row();
  if (event->source() == this && drop_thumbnails(*event->mimeData(), row))
    event->acceptProposedAction();
  else
    event->ignore();
}

void ThumbnailList::paintEvent(QPaintEvent* event) {
  QListView::paintEvent(event);
  if (drop_mark_ < 0 || drop_mark_ >= model_->rowCount()) return;
  const QRect item = visualRect(model_->index(drop_mark_));
  QPainter painter(viewport());
  painter.fillRect(QRect(item.left(), item.top(), kDropMarkWidth, item.height()), kDropMark);
}

void ThumbnailList::select_rows(const std::vector<int>& rows) {
  QItemSelection selection;
  for (const int row : rows)
    selection.select(model_->index(row), model_->index(row));
  selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  if (!rows.empty())
    selectionModel()->setCurrentIndex(model_->index(rows.front()), QItemSelectionModel::NoUpdate);
}

void ThumbnailList::apply_cell_size() {
  QSize cell = kThumbnailSizes.at(static_cast<std::size_t>(model_->size_index())).cell;
  if (!model_->captions_shown()) cell.rheight() -= kCaptionHeight;
  delegate_->set_cell_size(cell);
  setGridSize(cell);
}

void ThumbnailList::make_placeholder() {
  const QSize size = kThumbnailSizes.at(static_cast<std::size_t>(model_->size_index())).thumbnail;
  Result<Image> picture = make_list_thumbnail(default_image_, size.width(), size.height());
  if (!picture) {
    QImage grey(size, QImage::Format_RGB32);
    grey.fill(kMissingPicture);
    model_->set_placeholder(grey);
    return;
  }
  model_->set_placeholder(qimage_of(*picture));
}

void ThumbnailList::set_drop_mark(int row) {
  if (row == drop_mark_) return;
  for (const int changed : {drop_mark_, row})
    if (changed >= 0 && changed < model_->rowCount())
      viewport()->update(visualRect(model_->index(changed)));
  drop_mark_ = row;
}

}  // namespace pictavo
