#include "model/slideshow_timing.h"

#include <algorithm>

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
    // Times kept out of range by a damaged file take no time rather than run backwards.
    if (k > 0) second += std::max(effect.transition_seconds, 0);
    timing.transition_ends.push_back(second);
    second += std::max(effect.display_seconds, 0);
  }
  timing.starts.push_back(second);
  return timing;
}

}  // namespace pictavo
