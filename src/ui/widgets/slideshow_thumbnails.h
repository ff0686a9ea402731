#pragma once

#include <QObject>

#include "model/model_id.h"
#include "ui/widgets/thumbnail_loader.h"

namespace pictavo {

class Project;

// Makes, in the background, the thumbnails that a slideshow's photos lack at one
// size, and keeps each in its photo as it arrives: for a view that draws the
// photos' own thumbnails.
class SlideshowThumbnails : public QObject {
  Q_OBJECT

 public:
  SlideshowThumbnails(Project& project, int size_index, QObject* parent);

  // Stops a run under way and starts one for the photos of `slideshow` that have
  // no thumbnail, made for a screen of `pixel_ratio`; nothing for a slideshow that
  // is not in the project.
  void start(ModelId slideshow, qreal pixel_ratio);
  void stop() { loader_.stop(); }

 signals:
  // A photo of the slideshow got its thumbnail.
  void arrived();

 private:
  void take(const ThumbnailJob& job, const Thumbnail& thumbnail);

  Project& project_;
  int size_index_;
  ModelId slideshow_ = 0;
  ThumbnailLoader loader_{this};
};

}  // namespace pictavo
