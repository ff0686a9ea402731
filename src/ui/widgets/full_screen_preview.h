#pragma once

#include <QWidget>

#include "video/preview_player.h"

class QKeyEvent;
class QMouseEvent;

namespace pictavo {

class MusicPlayer;
class PreviewWidget;

// A slideshow preview over the whole screen, at the output's shape, its frames
// rendered at the size shown. Escape, F11 or a double click leaves it; leaving
// stops the preview and its music.
class FullScreenPreview : public QWidget {
  Q_OBJECT

 public:
  // `music` (may be null) plays the preview's tracks and must outlive the widget.
  explicit FullScreenPreview(MusicPlayer* music, QWidget* parent = nullptr);

  // Shows the screen of `parent` (or the primary one) and plays `request` on it,
  // its frames fitted to the screen at the request's aspect. False when the
  // preview cannot start; nothing is shown then.
  bool play(SlideshowPreviewRequest request);
  PreviewWidget* preview() const { return preview_; }

  // The largest frame of `aspect` (model/screen_aspect.h) within `screen`, with
  // even sides as the renderers need them.
  static QSize frame_size(QSize screen, int aspect);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  PreviewWidget* preview_;
};

}  // namespace pictavo
