#pragma once

#include <QAbstractListModel>
#include <QImage>
#include <functional>
#include <span>
#include <vector>

#include "model/model_id.h"
#include "model/photo_item.h"
#include "ui/widgets/thumbnail_loader.h"

namespace pictavo {

class Slideshow;

// The rows of the thumbnail list: one per photo of the slideshow shown, in its
// order. A row shows its photo's cached thumbnail when that was made at the
// current size, else the placeholder; the caption is the file name while captions
// are shown. The rows name their photos by id and find them in the slideshow the
// source gives when they are drawn: a photo that went shows nothing. The owner of
// the slideshow tells the model about every change of its photo list.
class ThumbnailModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  // Where the rows' photos are: the slideshow shown, or null.
  void set_source(std::function<const Slideshow*()> source) { source_ = std::move(source); }

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }

  // Rows from `start` on show `photos` anew; earlier rows stay as they are.
  void show_from(int start, std::span<PhotoItem* const> photos);
  // The same photos in another order: thumbnails and the
  // selection move with their photos, nothing is made again.
  void reorder(std::span<PhotoItem* const> photos);
  // Removes the rows, given in ascending order.
  void remove(std::span<const int> rows);
  // Shows `photos` after any change of the list: rows of photos that stay keep
  // their thumbnails and selection; rows of photos that went go.
  void follow(std::span<PhotoItem* const> photos);
  // The rows show their photos' data anew (their settings or pictures changed).
  void rows_changed(int first, int count);

  // The rows still to get a thumbnail of the current size, in order.
  std::vector<ThumbnailJob> missing() const;
  // Stores a made thumbnail in its photo when the row still shows that photo.
  void take(const ThumbnailJob& job, const Thumbnail& thumbnail);

  int size_index() const { return size_index_; }
  void set_size_index(int index);
  bool captions_shown() const { return captions_shown_; }
  void set_captions_shown(bool shown);
  void set_placeholder(QImage placeholder);

 private:
  struct Row {
    ModelId photo = 0;
  };

  // The photo of the row; null when it is not in the slideshow.
  PhotoItem* photo_of(std::size_t row) const;
  bool has_thumbnail(const PhotoItem& photo) const;
  void all_changed(int role);

  std::function<const Slideshow*()> source_;
  std::vector<Row> rows_;
  QImage placeholder_;
  QImage missing_placeholder_;  // for photos whose files were not found
  int size_index_ = 0;
  bool captions_shown_ = true;
};

}  // namespace pictavo
