#include "ui/widgets/slideshow_thumbnails.h"

#include "model/project.h"

namespace pictavo {

SlideshowThumbnails::SlideshowThumbnails(Project& project, int size_index, QObject* parent)
    : QObject(parent), project_(project), size_index_(size_index) {
  connect(&loader_, &ThumbnailLoader::made, this, &SlideshowThumbnails::take, Qt::QueuedConnection);
}

void SlideshowThumbnails::start(ModelId slideshow, qreal pixel_ratio) {
  loader_.stop();
  slideshow_ = slideshow;
  const Slideshow* shown = project_.find_slideshow(slideshow);
  if (shown == nullptr) return;
  std::vector<ThumbnailJob> jobs;
  for (std::size_t i = 0; i < shown->photos.size(); ++i) {
    const PhotoItem& photo = *shown->photos[i];
    if (photo.thumbnail) continue;
    jobs.push_back({static_cast<int>(i), photo.id,
                    photo.prepared_path.empty() ? photo.source_path : photo.prepared_path});
  }
  if (!jobs.empty()) loader_.start(std::move(jobs), size_index_, pixel_ratio);
}

void SlideshowThumbnails::take(const ThumbnailJob& job, const Thumbnail& thumbnail) {
  // The photo may have moved or gone since the job was given.
  Slideshow* shown = project_.find_slideshow(slideshow_);
  const int index = shown != nullptr ? shown->photo_index(job.photo) : -1;
  if (index < 0) return;
  PhotoItem& photo = *shown->photos[static_cast<std::size_t>(index)];
  if (photo.thumbnail) return;
  photo.thumbnail = thumbnail;
  emit arrived();
}

}  // namespace pictavo
