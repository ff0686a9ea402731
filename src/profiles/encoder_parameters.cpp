#include "profiles/encoder_parameters.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "base/text_number.h"

namespace pictavo {

EncoderParameters encoder_parameters(const OutputProfile& profile) {
  using Id = ProfileParameterId;
  EncoderParameters parameters{
      .video_codec = profile.value(Id::kVideoCodec),
      .video_bitrate = profile.value(Id::kVideoBitrate) + "kb",
      .frame_rate = profile.value(Id::kVideoFrameRate),
      .audio_codec = profile.value(Id::kAudioCodec),
      .audio_bitrate = profile.value(Id::kAudioBitrate) + "kb",
      .sample_rate = profile.value(Id::kSampleRate),
      .channel = profile.value(Id::kAudioChannel).substr(0, 1),
      .output_format = profile.for_psp() ? "psp" : std::string(kPlainMp4Format),
  };
  if (parameters.audio_codec == "aac") parameters.audio_codec = "libfaac";
  if (parameters.audio_codec == "mp3") parameters.audio_codec = "libmp3lame";
  if (parameters.audio_codec == "amr_nb") {
    parameters.audio_codec = "libamr_nb";
    parameters.channel = "1";
    parameters.sample_rate = "8000";
    parameters.audio_bitrate = "12.2k";
  }
  if (parameters.video_codec == "xvid") parameters.video_codec = "libxvid";
  if (parameters.video_codec == "h263") parameters.video_codec = "h263p";
  return parameters;
}

float counted_frame_rate(const OutputProfile& profile) {
  const std::string& text = profile.value(ProfileParameterId::kVideoFrameRate);
  float rate = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), rate);
  const bool whole = error == std::errc() && end == text.data() + text.size();
  return whole && std::isfinite(rate) && rate > 0 ? rate : 0;
}

}  // namespace pictavo
