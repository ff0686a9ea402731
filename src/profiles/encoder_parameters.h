#pragma once

#include <string>

#include "profiles/output_profile.h"

namespace pictavo {

// The texts the encoder module is started with, made from an output profile: the
// codec names the module knows, bitrates in kilobits ("768kb"), the frame rate as
// written ("29.97") and the channel count as one digit.
struct EncoderParameters {
  std::string video_codec;
  std::string video_bitrate;
  std::string frame_rate;
  std::string audio_codec;
  std::string audio_bitrate;
  std::string sample_rate;
  std::string channel;
  // The container: "mp4" for the profiles of that format, else "psp".
  std::string output_format;
};

// Renames "aac" to "libfaac", "mp3" to "libmp3lame", "amr_nb" to "libamr_nb",
// "xvid" to "libxvid" and "h263" to "h263p"; every other codec name passes as it
// is. AMR narrowband has one fixed format, so it always gets mono at 8000 Hz and
// "12.2k", whatever the profile says.
EncoderParameters encoder_parameters(const OutputProfile& profile);

// Frames per second of slideshow time: the profile's frame rate in single
// precision, the same value the project's lengths count with ("29.97", "25"); 0
// when the profile's text is no positive number.
float counted_frame_rate(const OutputProfile& profile);

}  // namespace pictavo
