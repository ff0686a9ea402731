#include "ui/widgets/preview_widget.h"

#include <QFrame>
#include <QPainter>
#include <QVBoxLayout>

namespace pictavo {

PreviewWidget::PreviewWidget(MusicPlayer* music, QWidget* parent)
    : QWidget(parent), player_(photos_, frames_, music) {
  setFixedSize(sizeHint());
  setAttribute(Qt::WA_OpaquePaintEvent);
  connect(&frames_, &PreviewFrames::frame_ready, this, qOverload<>(&QWidget::update),
          Qt::QueuedConnection);
  connect(&frames_, &PreviewFrames::ended, this, &PreviewWidget::preview_ended,
          Qt::QueuedConnection);
}

PreviewWidget::~PreviewWidget() {
  // The thread ends before the frames it writes to go.
  player_.stop_preview();
}

PreviewSize PreviewWidget::device_size(PreviewSize size, int aspect) const {
  const PreviewSize shown = frame_size_or_preview(size, aspect);
  const qreal ratio = devicePixelRatioF();
  return {static_cast<int>(shown.width * ratio) / 2 * 2,
          static_cast<int>(shown.height * ratio) / 2 * 2};
}

void PreviewWidget::preview_transition(TransitionPreviewRequest request) {
  if (slideshow_) player_.stop_slideshow_preview();
  slideshow_ = false;
  request.size = device_size(request.size, request.aspect);
  if (player_.start_transition_preview(request) == 0) emit running_changed(true);
}

bool PreviewWidget::preview_slideshow(SlideshowPreviewRequest request) {
  request.size = device_size(request.size, request.aspect);
  if (player_.start_slideshow_preview(request) != 0) return false;
  slideshow_ = true;
  emit running_changed(true);
  return true;
}

void PreviewWidget::stop() {
  if (slideshow_)
    player_.stop_slideshow_preview();
  else
    player_.stop_preview();
}

void PreviewWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  // Frames are made with the screen's device pixels and shown at their size.
  const QImage& image = frames_.latest();
  const QSizeF shown = QSizeF(image.size()) / devicePixelRatioF();
  painter.drawImage(
      QRectF(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown),
      image);
}

void PreviewWidget::preview_ended(bool slideshow, int run, bool stopped) {
  if (slideshow) {
    player_.slideshow_preview_ended(run);
    if (!stopped) emit slideshow_finished();
  }
  update();
  if (run == player_.run()) emit running_changed(false);
}

QFrame* framed_preview(PreviewWidget* preview, QSize size, QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setFrameShape(QFrame::Box);
  frame->setFixedSize(size);
  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(preview, 0, Qt::AlignCenter);
  return frame;
}

}  // namespace pictavo
