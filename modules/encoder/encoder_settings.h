#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

extern "C" {
#include <libavutil/rational.h>
}

namespace pictavo {

enum class VideoCodec { kH264, kMpeg4, kXvid };
enum class AudioCodec { kAac, kMp3 };
// The file written for a ".mp4" path: the PSP's flavour, or an ordinary MP4 for
// phones, tablets, TVs and computers.
enum class Container { kPsp, kPlainMp4 };

// The texts initEncoder receives, as the program passes them.
struct EncoderArguments {
  int width = 0;
  int height = 0;
  const char* output_path = nullptr;
  const char* audio_path = nullptr;
  const char* audio_codec = nullptr;
  const char* audio_bitrate = nullptr;
  const char* sample_rate = nullptr;
  const char* audio_channel = nullptr;
  const char* video_codec = nullptr;
  const char* video_bitrate = nullptr;
  const char* frame_rate = nullptr;
  const char* title = nullptr;          // from setEncoderTitle; null or "" for the file's base name
  const char* output_format = nullptr;  // from setOutputFormat; null or "psp" for the PSP
};

// What the encoder makes of them.
struct EncoderSettings {
  int width = 0;
  int height = 0;
  std::string output_path;
  std::string title;  // never empty
  std::string audio_path;
  VideoCodec video_codec = VideoCodec::kH264;
  int64_t video_bitrate = 0;  // bits per second
  AVRational frame_rate{0, 1};
  AudioCodec audio_codec = AudioCodec::kAac;
  int64_t audio_bitrate = 0;  // bits per second
  int sample_rate = 0;
  int channels = 0;
  double fade_out_seconds = 0;  // the music's fade to silence at the video's end
  Container container = Container::kPsp;
};

// Checks and converts the arguments. On failure `problem` says which value the
// module cannot serve, for the log.
std::optional<EncoderSettings> parse_encoder_settings(const EncoderArguments& arguments,
                                                      std::string& problem);

// Numbers are read by hand: the program's texts use a dot whatever the locale,
// "29.97" means the NTSC rate 30000/1001 and a "kb" suffix means kilobits, where
// FFmpeg's own parsers would read kilobytes.
std::optional<AVRational> parse_frame_rate(std::string_view text);
std::optional<int64_t> parse_bitrate(std::string_view text);

}  // namespace pictavo
