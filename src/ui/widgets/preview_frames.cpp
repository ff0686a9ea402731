#include "ui/widgets/preview_frames.h"

#include <cstring>

namespace pictavo {

PreviewFrames::PreviewFrames(QObject* parent)
    : QObject(parent),
      incoming_(224, 168, QImage::Format_RGB32),
      shown_(224, 168, QImage::Format_RGB32) {
  incoming_.fill(Qt::black);
  shown_.fill(Qt::black);
}

void PreviewFrames::show(const FrameCanvas& frame) {
  {
    std::lock_guard lock(mutex_);
    // The size changes only with the aspect ratio, never within a run.
    if (incoming_.width() != frame.width() || incoming_.height() != frame.height())
      incoming_ = QImage(frame.width(), frame.height(), QImage::Format_RGB32);
    // Both hold 4 bytes a pixel, B G R x in memory.
    const std::uint8_t* source = frame.pixels();
    for (int y = 0; y < frame.height(); ++y)
      std::memcpy(incoming_.scanLine(y), source + static_cast<std::ptrdiff_t>(y) * frame.stride(),
                  static_cast<std::size_t>(frame.width()) * 4);
    if (fresh_) return;  // the user interface has not taken the last one yet
    fresh_ = true;
  }
  emit frame_ready();
}

void PreviewFrames::preview_ended(PreviewKind kind, int run, bool stopped) {
  emit ended(kind == PreviewKind::kSlideshow, run, stopped);
}

const QImage& PreviewFrames::latest() {
  std::lock_guard lock(mutex_);
  if (fresh_) {
    std::swap(shown_, incoming_);
    fresh_ = false;
  }
  return shown_;
}

}  // namespace pictavo
