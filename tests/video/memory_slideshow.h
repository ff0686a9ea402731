#pragma once

#include <filesystem>
#include <string>

#include "effects/image_effect.h"
#include "effects/transition_type.h"
#include "model/slideshow.h"
#include "render/render_test_support.h"
#include "video/output_profile.h"
#include "video/video_job.h"

namespace pictavo::test {

// The values of an output profile, in the order the profile files list them.
struct ProfileValues {
  std::string video_codec = "h264";
  std::string size = "320x240";
  std::string video_bitrate = "768";
  std::string frame_rate = "25";
  std::string audio_codec = "aac";
  std::string audio_bitrate = "128";
  std::string sample_rate = "48000";
  std::string channel = "2";
};
OutputProfile make_profile(const ProfileValues& values);

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
