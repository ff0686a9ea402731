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

}  // namespace

void ThumbnailLoader::make_thumbnails(const std::stop_token& stop,
                                      const std::vector<ThumbnailJob>& jobs, int size_index,
                                      qreal pixel_ratio) {
  const QSize size = device_size(size_index, pixel_ratio);
  for (const ThumbnailJob& job : jobs) {
    if (stop.stop_requested()) return;
    // A picture that does not decode keeps its placeholder.
    Result<Image> picture = make_list_thumbnail(job.picture, size.width(), size.height());
    if (picture) emit made(job, to_thumbnail(*picture, size_index));
  }
  emit finished();
}

void ThumbnailLoader::start(std::vector<ThumbnailJob> jobs, int size_index, qreal pixel_ratio) {
  stop();
  worker_ = std::jthread(
      [this, jobs = std::move(jobs), size_index, pixel_ratio](const std::stop_token& stop) {
        make_thumbnails(stop, jobs, size_index, pixel_ratio);
      });
}

void ThumbnailLoader::stop() {
  if (!worker_.joinable()) return;
  worker_.request_stop();
  worker_.join();
  // What the run sent is delivered now, before the caller changes the rows.
  QCoreApplication::sendPostedEvents(receiver_, QEvent::MetaCall);
}

}  // namespace pictavo
