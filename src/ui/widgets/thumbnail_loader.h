#pragma once

#include <QObject>
#include <filesystem>
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

// A view's one background worker for thumbnails. It decodes each job's picture at
// thumbnail size (never the full picture) and emits it from the worker thread; it
// never touches the view or the project itself, so the user interface thread
// alone writes the photos' cached thumbnails. The view connects to the signals
// with Qt::QueuedConnection, as to every worker.
class ThumbnailLoader final : public QObject {
  Q_OBJECT

 public:
  // `receiver` is the view the signals are connected to; it outlives the loader.
  explicit ThumbnailLoader(QObject* receiver) : receiver_(receiver) {}
  ~ThumbnailLoader() override { stop(); }

  // Stops a run under way, then makes the jobs' thumbnails in order, with
  // `pixel_ratio` device pixels for each pixel of their size.
  void start(std::vector<ThumbnailJob> jobs, int size_index, qreal pixel_ratio);
  // Ends a run after the thumbnail being made; on return every thumbnail the run
  // made has reached the receiver. The worker never waits for the user interface,
  // so the wait is at most one decode.
  void stop();

 signals:
  void made(const pictavo::ThumbnailJob& job, const pictavo::Thumbnail& thumbnail);
  // A run made every thumbnail it was given.
  void finished();

 private:
  void make_thumbnails(const std::stop_token& stop, const std::vector<ThumbnailJob>& jobs,
                       int size_index, qreal pixel_ratio);

  QObject* receiver_;
  std::jthread worker_;
};

}  // namespace pictavo
