#pragma once

#include <QWidget>

#include "render/image_layer_photos.h"
#include "ui/widgets/preview_frames.h"
#include "video/preview_player.h"

class QFrame;
class QPaintEvent;

namespace pictavo {

class MusicPlayer;

// The small picture box that plays previews: a transition between two pictures,
// or a whole slideshow with its music. It owns the preview player, so starting
// one preview here stops the one that runs; frames arrive queued from the
// preview thread and are painted centred on black.
class PreviewWidget : public QWidget {
  Q_OBJECT

 public:
  // `music` (may be null) plays a slideshow preview's tracks and must outlive the
  // widget.
  explicit PreviewWidget(MusicPlayer* music = nullptr, QWidget* parent = nullptr);
  ~PreviewWidget() override;

  // The frames are made at the request's size (the aspect's preview size when it
  // has none) in the screen's device pixels.
  void preview_transition(TransitionPreviewRequest request);
  // False, and nothing started, while a stop is in progress or without photos.
  bool preview_slideshow(SlideshowPreviewRequest request);
  void stop();
  bool running() const { return player_.running(); }

  // The frame on show (the preview's size; black before the first preview).
  const QImage& frame() { return frames_.latest(); }

  QSize sizeHint() const override { return {224, 168}; }

 signals:
  // A slideshow preview ran to its end without a stop.
  void slideshow_finished();
  // A preview started or ended.
  void running_changed(bool running);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void preview_ended(bool slideshow, int run, bool stopped);
  PreviewSize device_size(PreviewSize size, int aspect) const;

  ImageLayerPhotos photos_;
  PreviewFrames frames_;
  PreviewPlayer player_;
  bool slideshow_ = false;  // the latest preview plays a slideshow and its music
};

// A boxed frame of `size` in `parent` with `preview` in its middle.
QFrame* framed_preview(PreviewWidget* preview, QSize size, QWidget* parent);

}  // namespace pictavo
