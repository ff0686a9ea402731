#include "device/psp_video_check.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <system_error>
#include <utility>

#include "audio/av_handles.h"
#include "base/bit_reader.h"
#include "base/translation_mark.h"
#include "device/avc_configuration.h"
#include "device/h264_slice_count.h"
#include "device/jpeg_frame.h"
#include "device/mp4_brands.h"
#include "device/mpeg4_profile.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

constexpr int kLargestWidth = 480;
constexpr int kLargestHeight = 272;
constexpr int kMacroblock = 16;
constexpr int kBaselineProfile = 66;
constexpr int kMainProfile = 77;
constexpr int kHighestLevel = 21;
constexpr int kMostReferenceFrames = 2;
// 29.97 frames a second, however the file writes it (30000/1001, 2997/100).
constexpr double kFastestRate = 29.975;
constexpr int kAacLowComplexity = 2;                                    // the audio object type
constexpr std::uintmax_t kLargestFile = (std::uintmax_t{1} << 32) - 1;  // FAT32
constexpr int kThumbnailWidth = 160;
constexpr int kThumbnailHeight = 120;
// The first key frame comes first; a file that holds none this early holds none.
constexpr int kKeyFrameSearch = 256;

constexpr const char* kCodecNeed = QT_TRANSLATE_NOOP(
    "Engine", "the PSP needs H.264 Baseline or Main profile, or MPEG-4 Simple Profile");
constexpr const char* kAudioNeed = QT_TRANSLATE_NOOP("Engine", "the PSP needs AAC-LC");

// `name` and `need` are marked texts; `found` tells what the file has.
PspRule judged(const char* name, bool passed, UserText found, const char* need) {
  UserText reason = passed ? std::move(found)
                           : UserText::marked(QT_TRANSLATE_NOOP("Engine", "%1; %2"),
                                              {std::move(found), UserText::marked(need)});
  return {UserText::marked(name), passed, std::move(reason)};
}

PspRule failed(const char* name, UserText found, const char* need) {
  return judged(name, false, std::move(found), need);
}

UserText marked(const char* source, std::vector<UserText> args = {}) {
  return UserText::marked(source, std::move(args));
}

std::span<const std::uint8_t> extradata(const AVCodecParameters& codec) {
  if (codec.extradata == nullptr) return {};
  return {codec.extradata, static_cast<std::size_t>(codec.extradata_size)};
}

PspRule container_rule(const fs::path& video) {
  constexpr const char* kNeed =
      QT_TRANSLATE_NOOP("Engine", "the PSP needs an MP4 file of brand MSNV");
  const Result<Mp4Brands> brands = read_mp4_brands(video);
  if (!brands)
    return failed(QT_TRANSLATE_NOOP("Engine", "container"),
                  marked(QT_TRANSLATE_NOOP("Engine", "the file %1"), {brands.reason()}), kNeed);
  std::string compatible;
  for (const std::string& brand : brands->compatible)
    compatible += (compatible.empty() ? "" : ", ") + brand;
  const UserText found =
      compatible.empty() ? marked(QT_TRANSLATE_NOOP("Engine", "MP4 of brand %1"), {brands->major})
                         : marked(QT_TRANSLATE_NOOP("Engine", "MP4 of brand %1 (compatible: %2)"),
                                  {brands->major, compatible});
  return judged(QT_TRANSLATE_NOOP("Engine", "container"), brands->has(kPspMp4Brand), found, kNeed);
}

std::string h264_profile_name(const H264SequenceHeader& header) {
  constexpr int kConstraintSet1 = 0x40;
  switch (header.profile_idc) {
    case kBaselineProfile:
      return (header.constraint_flags & kConstraintSet1) != 0 ? "Constrained Baseline" : "Baseline";
    case kMainProfile:
      return "Main";
    case 88:
      return "Extended";
    case 100:
      return "High";
    case 110:
      return "High 10";
    case 122:
      return "High 4:2:2";
    case 244:
      return "High 4:4:4 Predictive";
    default:
      return "profile_idc " + std::to_string(header.profile_idc);
  }
}

std::string h264_level_name(const H264SequenceHeader& header) {
  constexpr int kConstraintSet3 = 0x10;
  const bool level_1b =
      header.level_idc == 9 ||
      (header.level_idc == 11 && (header.constraint_flags & kConstraintSet3) != 0 &&
       (header.profile_idc == kBaselineProfile || header.profile_idc == kMainProfile));
  if (level_1b) return "1b";
  return std::to_string(header.level_idc / 10) + "." + std::to_string(header.level_idc % 10);
}

// The slices of the first key frame of the stream.
Result<int> first_key_frame_slices(AVFormatContext& input, int stream, int nal_length_size) {
  const av::PacketPtr packet(av_packet_alloc());
  for (int read = 0; packet && read < kKeyFrameSearch; ++read) {
    if (av_read_frame(&input, packet.get()) < 0) break;
    std::optional<Result<int>> slices;
    if (packet->stream_index == stream && (packet->flags & AV_PKT_FLAG_KEY) != 0) {
      slices =
          h264_slice_count({packet->data, static_cast<std::size_t>(packet->size)}, nal_length_size);
    }
    av_packet_unref(packet.get());
    if (slices) return *slices;
  }
  return Failure{"the first key frame cannot be read"};
}

void add_h264_rules(AVFormatContext& input, int stream, std::vector<PspRule>& rules) {
  const Result<AvcConfiguration> configuration =
      read_avc_configuration(extradata(*input.streams[stream]->codecpar));
  if (!configuration) {
    rules.push_back(
        failed(QT_TRANSLATE_NOOP("Engine", "video codec"),
               marked(QT_TRANSLATE_NOOP("Engine", "H.264, but %1"), {configuration.reason()}),
               kCodecNeed));
    return;
  }
  const H264SequenceHeader& header = configuration->sequence;
  const bool psp_profile =
      header.profile_idc == kBaselineProfile || header.profile_idc == kMainProfile;
  rules.push_back(
      judged(QT_TRANSLATE_NOOP("Engine", "video codec"), psp_profile,
             marked(QT_TRANSLATE_NOOP("Engine", "H.264 %1 profile"), {h264_profile_name(header)}),
             kCodecNeed));
  rules.push_back(judged(QT_TRANSLATE_NOOP("Engine", "level"), header.level_idc <= kHighestLevel,
                         marked(QT_TRANSLATE_NOOP("Engine", "level %1"), {h264_level_name(header)}),
                         QT_TRANSLATE_NOOP("Engine", "the PSP needs level 2.1 or lower")));
  rules.push_back(judged(QT_TRANSLATE_NOOP("Engine", "reference frames"),
                         header.max_num_ref_frames <= kMostReferenceFrames,
                         marked(QT_TRANSLATE_NOOP("Engine", "%1 reference frames"),
                                {std::to_string(header.max_num_ref_frames)}),
                         QT_TRANSLATE_NOOP("Engine", "the PSP needs 2 at most")));
  const Result<int> slices = first_key_frame_slices(input, stream, configuration->nal_length_size);
  if (!slices) {
    rules.push_back(failed(QT_TRANSLATE_NOOP("Engine", "slices"), slices.reason(),
                           QT_TRANSLATE_NOOP("Engine", "the PSP needs 1 slice a picture")));
    return;
  }
  rules.push_back(judged(QT_TRANSLATE_NOOP("Engine", "slices"), *slices == 1,
                         *slices == 1
                             ? marked(QT_TRANSLATE_NOOP("Engine", "1 slice in the first picture"))
                             : marked(QT_TRANSLATE_NOOP("Engine", "%1 slices in the first picture"),
                                      {std::to_string(*slices)}),
                         QT_TRANSLATE_NOOP("Engine", "the PSP needs 1 slice a picture")));
}

PspRule mpeg4_rule(const AVCodecParameters& codec) {
  const Result<Mpeg4Profile> profile = mpeg4_profile(extradata(codec));
  if (!profile)
    return failed(QT_TRANSLATE_NOOP("Engine", "video codec"),
                  marked(QT_TRANSLATE_NOOP("Engine", "MPEG-4, but %1"), {profile.reason()}),
                  kCodecNeed);
  return judged(QT_TRANSLATE_NOOP("Engine", "video codec"), profile->simple,
                "MPEG-4 " + profile->name, kCodecNeed);
}

PspRule frame_size_rule(const AVCodecParameters& codec) {
  const bool fits = codec.width > 0 && codec.height > 0 && codec.width <= kLargestWidth &&
                    codec.height <= kLargestHeight && codec.width % kMacroblock == 0 &&
                    codec.height % kMacroblock == 0;
  return judged(
      QT_TRANSLATE_NOOP("Engine", "frame size"), fits,
      std::to_string(codec.width) + "x" + std::to_string(codec.height),
      QT_TRANSLATE_NOOP("Engine", "the PSP needs at most 480x272, both sides multiples of 16"));
}

// "29.97", "25", "15".
std::string rate_text(double rate) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", rate);
  std::string trimmed = text;
  while (trimmed.back() == '0')
    trimmed.pop_back();
  if (trimmed.back() == '.') trimmed.pop_back();
  return trimmed;
}

PspRule frame_rate_rule(const AVStream& video) {
  constexpr const char* kNeed =
      QT_TRANSLATE_NOOP("Engine", "the PSP needs 29.97 frames a second or fewer");
  AVRational rate = video.r_frame_rate;
  if (rate.num <= 0 || rate.den <= 0) rate = video.avg_frame_rate;
  if (rate.num <= 0 || rate.den <= 0)
    return failed(QT_TRANSLATE_NOOP("Engine", "frame rate"),
                  marked(QT_TRANSLATE_NOOP("Engine", "no frame rate")), kNeed);
  const double per_second = av_q2d(rate);
  return judged(QT_TRANSLATE_NOOP("Engine", "frame rate"), per_second <= kFastestRate,
                marked(QT_TRANSLATE_NOOP("Engine", "%1 fps"), {rate_text(per_second)}), kNeed);
}

void add_video_rules(AVFormatContext& input, std::vector<PspRule>& rules) {
  const int stream = av_find_best_stream(&input, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  if (stream < 0) {
    rules.push_back(failed(QT_TRANSLATE_NOOP("Engine", "video codec"),
                           marked(QT_TRANSLATE_NOOP("Engine", "no video stream")), kCodecNeed));
    return;
  }
  const AVStream& video = *input.streams[stream];
  const AVCodecParameters& codec = *video.codecpar;
  if (codec.codec_id == AV_CODEC_ID_H264) {
    add_h264_rules(input, stream, rules);
  } else if (codec.codec_id == AV_CODEC_ID_MPEG4) {
    rules.push_back(mpeg4_rule(codec));
  } else {
    rules.push_back(failed(QT_TRANSLATE_NOOP("Engine", "video codec"),
                           std::string(avcodec_get_name(codec.codec_id)), kCodecNeed));
  }
  rules.push_back(frame_size_rule(codec));
  rules.push_back(frame_rate_rule(video));
}

std::string aac_type_name(int object_type) {
  switch (object_type) {
    case 1:
      return "AAC Main";
    case kAacLowComplexity:
      return "AAC-LC";
    case 3:
      return "AAC SSR";
    case 4:
      return "AAC LTP";
    case 5:
      return "HE-AAC";
    case 29:
      return "HE-AAC v2";
    default:
      return "AAC of object type " + std::to_string(object_type);
  }
}

PspRule audio_codec_rule(const AVCodecParameters& codec) {
  if (codec.codec_id != AV_CODEC_ID_AAC)
    return failed(QT_TRANSLATE_NOOP("Engine", "audio codec"),
                  std::string(avcodec_get_name(codec.codec_id)), kAudioNeed);
  // The audio object type leads the AAC configuration (the stream's extradata):
  // five bits, or 31 and six more for the types from 32 on.
  BitReader bits(extradata(codec));
  int object_type = static_cast<int>(bits.bits(5));
  if (object_type == 31) object_type = 32 + static_cast<int>(bits.bits(6));
  if (!bits.ok())
    return failed(QT_TRANSLATE_NOOP("Engine", "audio codec"),
                  marked(QT_TRANSLATE_NOOP("Engine", "AAC without its configuration")), kAudioNeed);
  return judged(QT_TRANSLATE_NOOP("Engine", "audio codec"), object_type == kAacLowComplexity,
                aac_type_name(object_type), kAudioNeed);
}

void add_audio_rules(AVFormatContext& input, std::vector<PspRule>& rules) {
  const int stream = av_find_best_stream(&input, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
  if (stream < 0) {
    rules.push_back(failed(QT_TRANSLATE_NOOP("Engine", "audio codec"),
                           marked(QT_TRANSLATE_NOOP("Engine", "no audio stream")), kAudioNeed));
    return;
  }
  const AVCodecParameters& codec = *input.streams[stream]->codecpar;
  rules.push_back(audio_codec_rule(codec));
  rules.push_back(judged(QT_TRANSLATE_NOOP("Engine", "sample rate"),
                         codec.sample_rate == 24000 || codec.sample_rate == 48000,
                         std::to_string(codec.sample_rate) + " Hz",
                         QT_TRANSLATE_NOOP("Engine", "the PSP needs 24000 or 48000 Hz")));
  const int channels = codec.ch_layout.nb_channels;
  rules.push_back(judged(QT_TRANSLATE_NOOP("Engine", "channels"), channels == 2,
                         channels == 1 ? marked(QT_TRANSLATE_NOOP("Engine", "1 channel"))
                                       : marked(QT_TRANSLATE_NOOP("Engine", "%1 channels"),
                                                {std::to_string(channels)}),
                         QT_TRANSLATE_NOOP("Engine", "the PSP needs 2 (stereo)")));
}

PspRule file_size_rule(std::uintmax_t bytes) {
  return judged(QT_TRANSLATE_NOOP("Engine", "file size"), bytes <= kLargestFile,
                marked(QT_TRANSLATE_NOOP("Engine", "%1 bytes"), {std::to_string(bytes)}),
                QT_TRANSLATE_NOOP("Engine", "the PSP's FAT32 memory stick holds files under 4 GB"));
}

PspRule thumbnail_rule(const fs::path& video) {
  constexpr const char* kNeed =
      QT_TRANSLATE_NOOP("Engine", "the PSP needs a 160x120 baseline JPEG");
  fs::path thumbnail = video;
  thumbnail.replace_extension(".THM");
  const std::string name = thumbnail.filename().string();
  std::error_code error;
  if (!fs::exists(thumbnail, error))
    return failed(QT_TRANSLATE_NOOP("Engine", "thumbnail"),
                  marked(QT_TRANSLATE_NOOP("Engine", "no %1"), {name}), kNeed);
  const Result<JpegFrame> frame = read_jpeg_frame(thumbnail);
  if (!frame)
    return failed(QT_TRANSLATE_NOOP("Engine", "thumbnail"),
                  marked(QT_TRANSLATE_NOOP("Engine", "%1 %2"), {name, frame.reason()}), kNeed);
  const bool fits =
      frame->baseline() && frame->width == kThumbnailWidth && frame->height == kThumbnailHeight;
  return judged(QT_TRANSLATE_NOOP("Engine", "thumbnail"), fits,
                frame->baseline()
                    ? marked(QT_TRANSLATE_NOOP("Engine", "%1: %2x%3 baseline JPEG"),
                             {name, std::to_string(frame->width), std::to_string(frame->height)})
                    : marked(QT_TRANSLATE_NOOP("Engine", "%1: %2x%3 JPEG, not baseline"),
                             {name, std::to_string(frame->width), std::to_string(frame->height)}),
                kNeed);
}

}  // namespace

UserText rule_line(const PspRule& rule) {
  return UserText::marked(QT_TRANSLATE_NOOP("Engine", "%1: %2"), {rule.name, rule.reason});
}

bool PspVideoCheck::plays() const {
  return std::all_of(rules.begin(), rules.end(), [](const PspRule& rule) { return rule.passed; });
}

std::vector<PspRule> PspVideoCheck::failures() const {
  std::vector<PspRule> failed;
  std::copy_if(rules.begin(), rules.end(), std::back_inserter(failed),
               [](const PspRule& rule) { return !rule.passed; });
  return failed;
}

PspVideoCheck check_psp_video(const fs::path& video) {
  PspVideoCheck check;
  std::error_code error;
  if (!fs::is_regular_file(video, error)) {
    check.rules.push_back(failed(QT_TRANSLATE_NOOP("Engine", "file"),
                                 fs::exists(video, error)
                                     ? marked(QT_TRANSLATE_NOOP("Engine", "not a file"))
                                     : marked(QT_TRANSLATE_NOOP("Engine", "no such file")),
                                 QT_TRANSLATE_NOOP("Engine", "the PSP needs a video file")));
    return check;
  }
  check.rules.push_back(container_rule(video));
  av::InputPtr input;
  if (const int opened = av::open_input(video.c_str(), input); opened < 0) {
    check.rules.push_back(failed(
        QT_TRANSLATE_NOOP("Engine", "media"),
        marked(QT_TRANSLATE_NOOP("Engine", "FFmpeg cannot read it: %1"), {av::error_text(opened)}),
        QT_TRANSLATE_NOOP("Engine", "the PSP needs a video with its streams readable")));
  } else {
    check.readable = true;
    add_video_rules(*input, check.rules);
    add_audio_rules(*input, check.rules);
  }
  check.rules.push_back(file_size_rule(fs::file_size(video, error)));
  check.rules.push_back(thumbnail_rule(video));
  return check;
}

}  // namespace pictavo
