#include "ui/widgets/thumbnail_loader.h"

#include <QCoreApplication>

#include "image/small_pictures.h"
#include "ui/widgets/thumbnail_sizes.h"

namespace pictavo {
namespace {

Thumbnail to_thumbnail(const Image& picture, int size_index) {
  Thumbnail thumbnail{size_index, picture.width(), picture.height(), {}};
  const std::uint8_t* pixels = picture.data();
  thumbnail.pixels.assign(pixels, pixels + picture.stride() * picture.height());
  return thumbnail;
}

void make_thumbnails(const std::stop_token& stop, QObject* receiver,
                     const std::vector<ThumbnailJob>& jobs, int size_index) {
  const QSize size = kThumbnailSizes.at(static_cast<std::size_t>(size_index)).thumbnail;
  for (const ThumbnailJob& job : jobs) {
    if (stop.stop_requested()) return;
    // A picture that does not decode keeps its placeholder.
    Result<Image> picture = make_list_thumbnail(job.picture, size.width(), size.height());
    if (picture)
      QCoreApplication::postEvent(receiver,
                                  new ThumbnailEvent(job, to_thumbnail(*picture, size_index)));
  }
  QCoreApplication::postEvent(receiver, new ThumbnailEvent());
}

}  // namespace

QEvent::Type ThumbnailEvent::event_type() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

ThumbnailEvent::ThumbnailEvent(const ThumbnailJob& job, Thumbnail thumbnail)
    : QEvent(event_type()), row_(job.row), photo_(job.photo), thumbnail_(std::move(thumbnail)) {}

ThumbnailEvent::ThumbnailEvent() : QEvent(event_type()) {}

void ThumbnailLoader::start(std::vector<ThumbnailJob> jobs, int size_index) {
  stop();
  worker_ = std::jthread(
      [receiver = receiver_, jobs = std::move(jobs), size_index](const std::stop_token& stop) {
        make_thumbnails(stop, receiver, jobs, size_index);
      });
}

void ThumbnailLoader::stop() {
  if (!worker_.joinable()) return;
  worker_.request_stop();
  worker_.join();
  QCoreApplication::sendPostedEvents(receiver_, ThumbnailEvent::event_type());
}

}  // namespace pictavo
