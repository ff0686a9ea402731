#pragma once

#include <string>

#include "profiles/output_profile.h"

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

}  // namespace pictavo::test
