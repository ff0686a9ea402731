#include "profiles/output_profile.h"

namespace pictavo {

void ProfileParameter::set_text(std::string_view text) {
  if (values.empty()) return;
  for (const ProfileValue& value : values) {
    if (value.text == text) {
      current = value;
      return;
    }
  }
  current = values.back();
}

void ProfileParameter::set_index(int position) {
  if (position < 0 || position >= static_cast<int>(values.size())) return;
  current = values[static_cast<std::size_t>(position)];
}

std::string_view parameter_name(ProfileParameterId id) {
  static constexpr std::array<std::string_view, kProfileParameterCount> kNames{
      "video codec", "video size",    "video bitrate", "video frame rate",
      "audio codec", "audio bitrate", "sample rate",   "audio channel",
  };
  return kNames[static_cast<int>(id)];
}

}  // namespace pictavo
