#include "model/slideshow_timing.h"

#include "model/photo_item.h"

namespace pictavo {

SlideshowTiming slideshow_timing(std::span<const std::unique_ptr<PhotoItem>> photos) {
  SlideshowTiming timing;
  timing.starts.reserve(photos.size() + 1);
  timing.transition_ends.reserve(photos.size());
  std::int64_t second = 0;
  for (std::size_t k = 0; k < photos.size(); ++k) {
    const EffectRecord& effect = photos[k]->setting.effect;
    timing.starts.push_back(second);
    if (k > 0) second += effect.transition_seconds;
    timing.transition_ends.push_back(second);
    second += effect.display_seconds;
  }
  timing.starts.push_back(second);
  return timing;
}

}  // namespace pictavo
