#pragma once

#include <filesystem>

#include "effects/image_effect.h"
#include "effects/transition_type.h"
#include "model/slideshow.h"
#include "profiles/profile_values.h"
#include "render/render_test_support.h"
#include "video/video_job.h"

namespace pictavo::test {

// A slideshow of photos drawn in memory, and the job that makes its video.
class MemorySlideshow {
 public:
  MemorySlideshow();

  // Appends a photo of `picture`, shown `display_seconds` after a transition of
  // `transition_seconds`.
  void add_photo(FrameCanvas picture, int display_seconds = 3, int transition_seconds = 2,
                 TransitionType transition = TransitionType::kAlpha,
                 ImageEffect effect = ImageEffect::kNone, TransitionValues values = {});

  // A job for `profile` (which must outlive it) writing `video` with `music`.
  VideoJob job(const OutputProfile& profile, const std::filesystem::path& video,
               const std::filesystem::path& music = "no music.mp2");

  MemoryPhotos photos;
  Slideshow slideshow;
};

}  // namespace pictavo::test
