#include "profiles/profile_values.h"

namespace pictavo::test {

OutputProfile make_profile(const ProfileValues& values) {
  OutputProfile profile;
  profile.ext = "mp4";
  const std::string* texts[] = {&values.video_codec, &values.size,        &values.video_bitrate,
                                &values.frame_rate,  &values.audio_codec, &values.audio_bitrate,
                                &values.sample_rate, &values.channel};
  for (int i = 0; i < kProfileParameterCount; ++i) {
    ProfileParameter& parameter = profile.parameters[static_cast<std::size_t>(i)];
    parameter.current = {0, *texts[i]};
    parameter.initial = parameter.current;
    parameter.values = {parameter.current};
    parameter.value_count = 1;
  }
  return profile;
}

}  // namespace pictavo::test
