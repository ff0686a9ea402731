#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace pictavo {

class PhotoItem;

// When the photos of a slideshow are on screen, in whole seconds of slideshow time.
// Photo 0 is on screen from the start for its display time, fading in from white
// over its first second; each further photo follows the one before with its
// transition and then its display time. The first photo's transition time is not
// used. The lengths, the start times the pages show, the video and the preview
// all count from these.
struct SlideshowTiming {
  // starts[k] is when photo k comes on screen (its transition begins); the last
  // entry, one past the photos, is the slideshow's length.
  std::vector<std::int64_t> starts;
  // When photo k stands alone, its transition done; photo 0 has none.
  std::vector<std::int64_t> transition_ends;

  std::int64_t length() const { return starts.empty() ? 0 : starts.back(); }
};

SlideshowTiming slideshow_timing(std::span<const std::unique_ptr<PhotoItem>> photos);

}  // namespace pictavo
