#pragma once

#include <QImage>
#include <QObject>
#include <mutex>

#include "video/preview_player.h"

namespace pictavo {

// Carries a preview's frames and its end from the preview thread to the user
// interface thread. The preview thread only copies each frame into a buffer made
// once and emits signals, which reach their receivers queued; it never touches a
// widget and never waits for the user interface.
class PreviewFrames : public QObject, public PreviewObserver {
  Q_OBJECT

 public:
  explicit PreviewFrames(QObject* parent = nullptr);

  // The preview thread's side.
  void show(const FrameCanvas& frame) override;
  void preview_ended(PreviewKind kind, int run, bool stopped) override;

  // The user interface's side: the newest frame, once frame_ready arrived.
  const QImage& latest();

 signals:
  void frame_ready();
  void ended(bool slideshow, int run, bool stopped);

 private:
  std::mutex mutex_;
  QImage incoming_;  // written by the preview thread, guarded by mutex_
  bool fresh_ = false;
  QImage shown_;  // the user interface's copy
};

}  // namespace pictavo
