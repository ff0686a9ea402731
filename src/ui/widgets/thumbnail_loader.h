#pragma once

#include <QEvent>
#include <QObject>
#include <filesystem>
#include <optional>
#include <thread>
#include <vector>

#include "model/photo_item.h"

namespace pictavo {

// One thumbnail to make: the list row, the photo it belongs to (by id: the photo
// may have moved or gone when the thumbnail arrives) and its picture.
struct ThumbnailJob {
  int row = 0;
  ModelId photo = 0;
  std::filesystem::path picture;
};

// What the loader posts to its receiver: one made thumbnail, or the end of a run
// that made every thumbnail it was given.
class ThumbnailEvent : public QEvent {
 public:
  static QEvent::Type event_type();

  ThumbnailEvent(const ThumbnailJob& job, Thumbnail thumbnail);
  ThumbnailEvent();  // the run is complete

  bool complete() const { return !thumbnail_; }
  int row() const { return row_; }
  ModelId photo() const { return photo_; }
  Thumbnail& thumbnail() { return *thumbnail_; }

 private:
  int row_ = -1;
  ModelId photo_ = 0;
  std::optional<Thumbnail> thumbnail_;
};

// The thumbnail list's one background worker. It decodes each job's picture at
// thumbnail size (never the full picture) and posts the thumbnails to the
// receiver; it never touches the receiver or the project itself, so the user
// interface thread alone writes the photos' cached thumbnails.
class ThumbnailLoader {
 public:
  // The receiver outlives the loader; thumbnails still on their way when the
  // loader goes are dropped with the receiver.
  explicit ThumbnailLoader(QObject* receiver) : receiver_(receiver) {}

  // Stops a run under way, then makes the jobs' thumbnails in order.
  void start(std::vector<ThumbnailJob> jobs, int size_index);
  // Ends a run after the thumbnail being made; on return every thumbnail the run
  // made has reached the receiver. The worker never waits for the user interface,
  // so the wait is at most one decode.
  void stop();

 private:
  QObject* receiver_;
  std::jthread worker_;
};

}  // namespace pictavo
