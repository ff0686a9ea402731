#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pictavo {

// One choice of a profile parameter: its position in the profile file and its text.
struct ProfileValue {
  int index = 0;
  std::string text;

  bool operator==(const ProfileValue&) const = default;
};

// One encoder setting with the values the user may choose from. The texts are
// used as written: frame-size names ("320x240"), kilobits per second ("768"),
// frame rates ("29.97"), codec names ("h264").
struct ProfileParameter {
  int value_count = 0;  // as announced by the file; `values` may hold fewer
  ProfileValue current;
  ProfileValue initial;  // the value as read from the file
  std::vector<ProfileValue> values;

  // Makes current the first value whose text equals `text`, else the last value.
  void set_text(std::string_view text);
  // Makes value number `position` of the list current; other positions are ignored.
  void set_index(int position);
};

enum class ProfileParameterId {
  kVideoCodec,
  kVideoSize,
  kVideoBitrate,
  kVideoFrameRate,
  kAudioCodec,
  kAudioBitrate,
  kSampleRate,
  kAudioChannel,
};
inline constexpr int kProfileParameterCount = 8;

// The `format` of profiles whose videos are ordinary MP4 files (phones, tablets,
// TVs) rather than the PSP's ("psp").
inline constexpr std::string_view kPlainMp4Format = "mp4";

// Everything the encoder needs to know about one target format.
struct OutputProfile {
  std::array<ProfileParameter, kProfileParameterCount> parameters;
  std::string format;
  std::string ext;     // extension of the videos made with the profile
  std::string desc_l;  // the text of the "Profile:" list
  std::string desc_s;
  int list_index = 0;  // order within the group

  ProfileParameter& parameter(ProfileParameterId id) { return parameters[static_cast<int>(id)]; }
  const ProfileParameter& parameter(ProfileParameterId id) const {
    return parameters[static_cast<int>(id)];
  }
  const std::string& value(ProfileParameterId id) const { return parameter(id).current.text; }
  // Whether the videos are made for the PSP: all but those of the plain MP4 format,
  // so every profile of the PSP's own files stays one.
  bool for_psp() const { return format != kPlainMp4Format; }

  void set_parameter_text(ProfileParameterId id, std::string_view text) {
    parameter(id).set_text(text);
  }
  void set_parameter_index(ProfileParameterId id, int position) {
    parameter(id).set_index(position);
  }
};

// The name under which a parameter is shown and looked up ("video codec", ...).
std::string_view parameter_name(ProfileParameterId id);

}  // namespace pictavo
