#include "encoder/encoder_settings.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <utility>

namespace pictavo {
namespace {

// A non-negative decimal number "123" or "12.25" as value / scale, taking at most
// nine digits before and six after the dot. The rest of the text is left in `text`.
struct Decimal {
  int64_t value = 0;
  int64_t scale = 1;
};

std::optional<Decimal> take_decimal(std::string_view& text) {
  Decimal number;
  std::size_t i = 0;
  std::size_t whole_digits = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++whole_digits) {
    if (whole_digits == 9) return std::nullopt;
    number.value = number.value * 10 + (text[i] - '0');
  }
  if (whole_digits == 0) return std::nullopt;
  if (i < text.size() && text[i] == '.') {
    ++i;
    std::size_t fraction_digits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++fraction_digits) {
      if (fraction_digits == 6) return std::nullopt;
      number.value = number.value * 10 + (text[i] - '0');
      number.scale *= 10;
    }
    if (fraction_digits == 0) return std::nullopt;
  }
  text.remove_prefix(i);
  return number;
}

bool equals_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::optional<int> parse_count(const char* text, int highest) {
  if (text == nullptr) return std::nullopt;
  std::string_view rest(text);
  const std::optional<Decimal> number = take_decimal(rest);
  if (!number || number->scale != 1 || !rest.empty() || number->value < 1 ||
      number->value > highest) {
    return std::nullopt;
  }
  return static_cast<int>(number->value);
}

template <typename Codec, std::size_t N>
std::optional<Codec> look_up(const std::array<std::pair<std::string_view, Codec>, N>& names,
                             const char* name) {
  for (const auto& [text, codec] : names) {
    if (name != nullptr && text == name) return codec;
  }
  return std::nullopt;
}

// The names the program passes (after its renames) and the profiles' own names.
constexpr std::array<std::pair<std::string_view, VideoCodec>, 4> kVideoCodecs{{
    {"h264", VideoCodec::kH264},
    {"mpeg4", VideoCodec::kMpeg4},
    {"libxvid", VideoCodec::kXvid},
    {"xvid", VideoCodec::kXvid},
}};
constexpr std::array<std::pair<std::string_view, AudioCodec>, 4> kAudioCodecs{{
    {"libfaac", AudioCodec::kAac},
    {"aac", AudioCodec::kAac},
    {"libmp3lame", AudioCodec::kMp3},
    {"mp3", AudioCodec::kMp3},
}};

const char* shown(const char* text) {
  return text != nullptr ? text : "(none)";
}

}  // namespace

std::optional<AVRational> parse_frame_rate(std::string_view text) {
  const std::optional<Decimal> number = take_decimal(text);
  if (!number || !text.empty() || number->value == 0) return std::nullopt;
  const double rate = static_cast<double>(number->value) / static_cast<double>(number->scale);
  if (rate < 1.0 || rate > 240.0) return std::nullopt;
  // Television rates are written rounded: 29.97 is 30000/1001, 23.976 is 24000/1001.
  const double ntsc_base = std::round(rate * 1.001);
  if (number->value % number->scale != 0 && std::abs(rate - ntsc_base / 1.001) < 0.005) {
    return AVRational{static_cast<int>(ntsc_base) * 1000, 1001};
  }
  AVRational exact{};
  av_reduce(&exact.num, &exact.den, number->value, number->scale, 1 << 20);
  return exact;
}

std::optional<int64_t> parse_bitrate(std::string_view text) {
  const std::optional<Decimal> number = take_decimal(text);
  if (!number) return std::nullopt;
  int64_t unit = 1;
  if (equals_ignoring_case(text, "k") || equals_ignoring_case(text, "kb")) {
    unit = 1000;
  } else if (equals_ignoring_case(text, "m") || equals_ignoring_case(text, "mb")) {
    unit = 1000000;
  } else if (!text.empty()) {
    return std::nullopt;
  }
  const double bits = static_cast<double>(number->value) * static_cast<double>(unit) /
                      static_cast<double>(number->scale);
  if (bits < 1000.0 || bits > 100e6) return std::nullopt;
  return std::llround(bits);
}

std::optional<EncoderSettings> parse_encoder_settings(const EncoderArguments& arguments,
                                                      std::string& problem) {
  const auto refuse = [&problem](std::string what, const char* value) {
    problem = what + " \"" + shown(value) + "\"";
    return std::nullopt;
  };
  EncoderSettings settings;
  settings.width = arguments.width;
  settings.height = arguments.height;
  if (settings.width < 16 || settings.height < 16 || settings.width > 4096 ||
      settings.height > 4096 || settings.width % 2 != 0 || settings.height % 2 != 0) {
    problem = "unusable frame size " + std::to_string(settings.width) + "x" +
              std::to_string(settings.height);
    return std::nullopt;
  }
  if (arguments.output_path == nullptr || *arguments.output_path == '\0') {
    return refuse("no output path", arguments.output_path);
  }
  settings.output_path = arguments.output_path;
  settings.title = arguments.title != nullptr && *arguments.title != '\0'
                       ? arguments.title
                       : std::filesystem::path(settings.output_path).stem().string();
  settings.audio_path = arguments.audio_path != nullptr ? arguments.audio_path : "";
  const std::string_view format = arguments.output_format ? arguments.output_format : "";
  if (format == "mp4") {
    settings.container = Container::kPlainMp4;
  } else if (!format.empty() && format != "psp") {
    return refuse("unsupported output format", arguments.output_format);
  }

  const std::optional<VideoCodec> video_codec = look_up(kVideoCodecs, arguments.video_codec);
  if (!video_codec) return refuse("unsupported video codec", arguments.video_codec);
  settings.video_codec = *video_codec;
  const std::optional<AudioCodec> audio_codec = look_up(kAudioCodecs, arguments.audio_codec);
  if (!audio_codec) return refuse("unsupported audio codec", arguments.audio_codec);
  settings.audio_codec = *audio_codec;

  const char* video_bitrate = arguments.video_bitrate;
  const std::optional<int64_t> video_bits = parse_bitrate(video_bitrate ? video_bitrate : "");
  if (!video_bits) return refuse("unusable video bitrate", video_bitrate);
  settings.video_bitrate = *video_bits;
  const char* audio_bitrate = arguments.audio_bitrate;
  const std::optional<int64_t> audio_bits = parse_bitrate(audio_bitrate ? audio_bitrate : "");
  if (!audio_bits) return refuse("unusable audio bitrate", audio_bitrate);
  settings.audio_bitrate = *audio_bits;

  const char* frame_rate = arguments.frame_rate;
  const std::optional<AVRational> rate = parse_frame_rate(frame_rate ? frame_rate : "");
  if (!rate) return refuse("unusable frame rate", frame_rate);
  settings.frame_rate = *rate;
  const std::optional<int> sample_rate = parse_count(arguments.sample_rate, 192000);
  if (!sample_rate || *sample_rate < 8000) {
    return refuse("unusable sample rate", arguments.sample_rate);
  }
  settings.sample_rate = *sample_rate;
  const std::optional<int> channels = parse_count(arguments.audio_channel, 2);
  if (!channels) return refuse("unusable channel count", arguments.audio_channel);
  settings.channels = *channels;
  return settings;
}

}  // namespace pictavo
