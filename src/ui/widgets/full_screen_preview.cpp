#include "ui/widgets/full_screen_preview.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "model/screen_aspect.h"
#include "ui/widgets/preview_widget.h"

namespace pictavo {

FullScreenPreview::FullScreenPreview(MusicPlayer* music, QWidget* parent)
    : QWidget(parent, Qt::Window), preview_(new PreviewWidget(music, this)) {
  setWindowTitle(tr("Slideshow Preview"));
  setAttribute(Qt::WA_DeleteOnClose);
  setPalette(QPalette(Qt::black));
  setAutoFillBackground(true);
  setCursor(Qt::BlankCursor);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(preview_, 0, Qt::AlignCenter);
  connect(preview_, &PreviewWidget::slideshow_finished, this, &QWidget::close);
}

QSize FullScreenPreview::frame_size(QSize screen, int aspect) {
  const int across = aspect == kAspectSixteenNine ? 16 : aspect == kAspectNineSixteen ? 9 : 4;
  const int down = aspect == kAspectSixteenNine ? 9 : aspect == kAspectNineSixteen ? 16 : 3;
  const int width = std::min(screen.width(), screen.height() * across / down);
  const int height = width * down / across;
  return {width / 2 * 2, height / 2 * 2};
}

bool FullScreenPreview::play(SlideshowPreviewRequest request) {
  const QScreen* screen =
      parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  const QSize frame = frame_size(screen->size(), request.aspect);
  request.size = {frame.width(), frame.height()};
  preview_->setFixedSize(frame);
  if (!preview_->preview_slideshow(request)) return false;
  setGeometry(screen->geometry());
  showFullScreen();
  activateWindow();
  return true;
}

void FullScreenPreview::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F11) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void FullScreenPreview::mouseDoubleClickEvent(QMouseEvent*) {
  close();
}

void FullScreenPreview::closeEvent(QCloseEvent* event) {
  preview_->stop();
  QWidget::closeEvent(event);
}

}  // namespace pictavo
