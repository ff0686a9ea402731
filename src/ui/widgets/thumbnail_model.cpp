#include "ui/widgets/thumbnail_model.h"

#include <QMimeData>
#include <algorithm>
#include <unordered_map>

#include "model/slideshow.h"
#include "ui/common/missing_picture.h"
#include "ui/widgets/thumbnail_drag_data.h"
#include "ui/widgets/thumbnail_sizes.h"

namespace pictavo {

int ThumbnailModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant ThumbnailModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const PhotoItem* photo = photo_of(static_cast<std::size_t>(index.row()));
  if (photo == nullptr) return role == Qt::DecorationRole ? QVariant(placeholder_) : QVariant();
  switch (role) {
    case Qt::DisplayRole:
      return captions_shown_ ? QString::fromStdString(photo->file_name) : QString();
    case Qt::ToolTipRole:
      return QString::fromStdString(photo->file_name);
    case Qt::DecorationRole: {
      if (photo->missing) return missing_placeholder_;
      if (!has_thumbnail(*photo)) return placeholder_;
      // The photo keeps the pixels; the picture only borrows them while it is drawn.
      return thumbnail_picture(*photo->thumbnail);
    }
    default:
      return {};
  }
}

Qt::ItemFlags ThumbnailModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList ThumbnailModel::mimeTypes() const {
  return {kThumbnailMimeType};
}

QMimeData* ThumbnailModel::mimeData(const QModelIndexList& indexes) const {
  std::vector<int> rows;
  for (const QModelIndex& index : indexes)
    rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  auto* data = new QMimeData;
  data->setData(kThumbnailMimeType, encode_thumbnail_drag(rows));
  return data;
}

void ThumbnailModel::show_from(int start, std::span<PhotoItem* const> photos) {
  start = std::clamp(start, 0, rowCount());
  if (start < rowCount()) {
    beginRemoveRows({}, start, rowCount() - 1);
    rows_.resize(static_cast<std::size_t>(start));
    endRemoveRows();
  }
  if (photos.empty()) return;
  beginInsertRows({}, start, start + static_cast<int>(photos.size()) - 1);
  for (const PhotoItem* photo : photos)
    rows_.push_back({photo->id});
  endInsertRows();
}

void ThumbnailModel::reorder(std::span<PhotoItem* const> photos) {
  std::unordered_map<ModelId, int> new_rows;
  for (std::size_t i = 0; i < photos.size(); ++i)
    new_rows.emplace(photos[i]->id, static_cast<int>(i));
  const bool same_photos = photos.size() == rows_.size() && new_rows.size() == rows_.size() &&
                           std::all_of(rows_.begin(), rows_.end(), [&](const Row& row) {
                             return new_rows.contains(row.photo);
                           });
  if (!same_photos) {
    show_from(0, photos);
    return;
  }
  emit layoutAboutToBeChanged();
  std::vector<Row> rows(rows_.size());
  for (const Row& row : rows_)
    rows[static_cast<std::size_t>(new_rows.at(row.photo))] = row;
  const QModelIndexList from = persistentIndexList();
  QModelIndexList to;
  for (const QModelIndex& index : from)
    to.push_back(this->index(new_rows.at(rows_[static_cast<std::size_t>(index.row())].photo)));
  rows_ = std::move(rows);
  changePersistentIndexList(from, to);
  emit layoutChanged();
}

void ThumbnailModel::remove(std::span<const int> rows) {
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    beginRemoveRows({}, *row, *row);
    rows_.erase(rows_.begin() + *row);
    endRemoveRows();
  }
}

void ThumbnailModel::follow(std::span<PhotoItem* const> photos) {
  std::unordered_map<ModelId, std::size_t> wanted;
  for (std::size_t i = 0; i < photos.size(); ++i)
    wanted.emplace(photos[i]->id, i);
  std::vector<int> gone;
  std::unordered_map<ModelId, bool> kept;
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    if (wanted.contains(rows_[row].photo))
      kept.emplace(rows_[row].photo, true);
    else
      gone.push_back(static_cast<int>(row));
  }
  remove(gone);
  for (std::size_t i = 0; i < photos.size(); ++i) {
    if (kept.contains(photos[i]->id)) continue;
    const int at = static_cast<int>(std::min(i, rows_.size()));
    beginInsertRows({}, at, at);
    rows_.insert(rows_.begin() + at, Row{photos[i]->id});
    endInsertRows();
  }
  reorder(photos);
}

void ThumbnailModel::rows_changed(int first, int count) {
  first = std::clamp(first, 0, rowCount());
  const int last = std::min(first + count, rowCount()) - 1;
  if (last >= first) emit dataChanged(index(first), index(last));
}

std::vector<ThumbnailJob> ThumbnailModel::missing() const {
  std::vector<ThumbnailJob> jobs;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const PhotoItem* found = photo_of(i);
    if (found == nullptr || has_thumbnail(*found)) continue;
    const PhotoItem& photo = *found;
    jobs.push_back({static_cast<int>(i), photo.id,
                    photo.prepared_path.empty() ? photo.source_path : photo.prepared_path});
  }
  return jobs;
}

void ThumbnailModel::take(const ThumbnailJob& job, const Thumbnail& thumbnail) {
  const int row = job.row;
  if (row < 0 || row >= rowCount()) return;
  PhotoItem* photo = photo_of(static_cast<std::size_t>(row));
  if (photo == nullptr || rows_[static_cast<std::size_t>(row)].photo != job.photo ||
      thumbnail.size_index != size_index_)
    return;
  photo->thumbnail = thumbnail;
  const QModelIndex changed = index(row);
  emit dataChanged(changed, changed, {Qt::DecorationRole});
}

void ThumbnailModel::set_size_index(int index) {
  size_index_ = index;
  all_changed(Qt::DecorationRole);
}

void ThumbnailModel::set_captions_shown(bool shown) {
  captions_shown_ = shown;
  all_changed(Qt::DisplayRole);
}

void ThumbnailModel::set_placeholder(QImage placeholder) {
  placeholder_ = std::move(placeholder);
  missing_placeholder_ = crossed_out(placeholder_);
  all_changed(Qt::DecorationRole);
}

PhotoItem* ThumbnailModel::photo_of(std::size_t row) const {
  const Slideshow* slideshow = source_ ? source_() : nullptr;
  if (slideshow == nullptr || row >= rows_.size()) return nullptr;
  const ModelId id = rows_[row].photo;
  // The rows follow the slideshow's order, so the photo is nearly always in place.
  if (row < slideshow->photos.size() && slideshow->photos[row]->id == id)
    return slideshow->photos[row].get();
  const int index = slideshow->photo_index(id);
  return index < 0 ? nullptr : slideshow->photos[static_cast<std::size_t>(index)].get();
}

bool ThumbnailModel::has_thumbnail(const PhotoItem& photo) const {
  return photo.thumbnail && photo.thumbnail->size_index == size_index_;
}

void ThumbnailModel::all_changed(int role) {
  if (rows_.empty()) return;
  emit dataChanged(index(0), index(rowCount() - 1), {role});
}

}  // namespace pictavo
