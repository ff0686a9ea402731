#pragma once

#include "model/model_id.h"

namespace pictavo {

// What changed in the project, so that a view refreshes only what shows it. Photo
// notices name their slideshow and the range of photo indices they touched (after
// the change for inserted, moved and changed photos; before it for removed ones).
struct ProjectChange {
  enum class Kind {
    kSlideshowAdded,    // `index`: where it now stands
    kSlideshowRemoved,  // `index`: where it stood
    kSlideshowRenamed,
    kSlideshowsMoved,  // the slideshows' order; `index`: the first one that moved
    kPhotosInserted,
    kPhotosRemoved,
    kPhotosMoved,
    kPhotosChanged,  // settings, effects or edited pictures of the photos
    kCoverChanged,
    kTracksChanged,
    kSettingsChanged,  // the project's settings, which every photo may follow
    kTotalsChanged,    // the total length and the size estimate
  };

  Kind kind;
  ModelId slideshow = 0;  // none for the project-wide kinds
  int index = 0;          // the first photo, or the slideshow's place
  int count = 0;          // how many photos

  // Photos came, went or moved: views of the slideshow's photo list are stale.
  bool changes_photo_list() const {
    return kind == Kind::kPhotosInserted || kind == Kind::kPhotosRemoved ||
           kind == Kind::kPhotosMoved;
  }
  bool operator==(const ProjectChange&) const = default;
};

// Told synchronously, on the thread of the operation. An edit history step tells
// its notices once the step is complete, so that an observer always reads a
// consistent project.
class ProjectObserver {
 public:
  virtual ~ProjectObserver() = default;
  virtual void project_changed(const ProjectChange& change) = 0;
};

}  // namespace pictavo
