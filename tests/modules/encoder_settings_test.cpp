#include "encoder/encoder_settings.h"

#include <gtest/gtest.h>

#include "encoder/video_encoder.h"
#include "profiles/encoder_parameters.h"
#include "profiles/profile_group_list.h"
#include "profiles/video_size_table.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

bool is_rate(const std::optional<AVRational>& rate, int num, int den) {
  return rate && rate->num == num && rate->den == den;
}

TEST(FrameRateText, TelevisionRatesBecomeExactFractions) {
  EXPECT_TRUE(is_rate(parse_frame_rate("29.97"), 30000, 1001));
  EXPECT_TRUE(is_rate(parse_frame_rate("23.976"), 24000, 1001));
  EXPECT_TRUE(is_rate(parse_frame_rate("59.94"), 60000, 1001));
  EXPECT_TRUE(is_rate(parse_frame_rate("25"), 25, 1));
  EXPECT_TRUE(is_rate(parse_frame_rate("15"), 15, 1));
  EXPECT_TRUE(is_rate(parse_frame_rate("12.5"), 25, 2));
  EXPECT_TRUE(is_rate(parse_frame_rate("30.00"), 30, 1));
}

TEST(FrameRateText, RefusesWhatIsNotARate) {
  for (const char* text : {"", "0", "0.001", "29,97", "29.", ".5", "25fps", " 25", "-25", "1000",
                           "99999999999999999999"}) {
    EXPECT_FALSE(parse_frame_rate(text)) << text;
  }
}

TEST(BitrateText, KilobitsAreThousandsOfBits) {
  EXPECT_EQ(parse_bitrate("768kb"), 768000);
  EXPECT_EQ(parse_bitrate("128kb"), 128000);
  EXPECT_EQ(parse_bitrate("12.2k"), 12200);
  EXPECT_EQ(parse_bitrate("1.5M"), 1500000);
  EXPECT_EQ(parse_bitrate("64000"), 64000);
  for (const char* text : {"", "kb", "768 kb", "768kB/s", "768kbit", "0kb", "999999999mb"}) {
    EXPECT_FALSE(parse_bitrate(text)) << text;
  }
}

TEST(EncoderSettings, ReadsTheProgramsArguments) {
  EncoderArguments arguments{320,     240, "/v/a.mp4", "/m.mp2", "libfaac", "128kb",
                             "48000", "2", "h264",     "768kb",  "29.97"};
  std::string problem;
  const std::optional<EncoderSettings> settings = parse_encoder_settings(arguments, problem);
  ASSERT_TRUE(settings) << problem;
  EXPECT_EQ(settings->video_codec, VideoCodec::kH264);
  EXPECT_EQ(settings->audio_codec, AudioCodec::kAac);
  EXPECT_EQ(settings->video_bitrate, 768000);
  EXPECT_EQ(settings->audio_bitrate, 128000);
  EXPECT_EQ(settings->sample_rate, 48000);
  EXPECT_EQ(settings->channels, 2);
  EXPECT_EQ(settings->container, Container::kPsp);
  arguments.output_format = "mp4";
  EXPECT_EQ(parse_encoder_settings(arguments, problem)->container, Container::kPlainMp4);
  arguments.output_format = "mkv";
  EXPECT_FALSE(parse_encoder_settings(arguments, problem));
  EXPECT_EQ(problem, "unsupported output format \"mkv\"");
  arguments.output_format = "psp";

  arguments.audio_codec = "libamr_nb";
  EXPECT_FALSE(parse_encoder_settings(arguments, problem));
  EXPECT_EQ(problem, "unsupported audio codec \"libamr_nb\"");
  arguments.audio_codec = nullptr;
  EXPECT_FALSE(parse_encoder_settings(arguments, problem));
  EXPECT_EQ(problem, "unsupported audio codec \"(none)\"");
  arguments.audio_codec = "aac";
  arguments.audio_channel = "6";
  EXPECT_FALSE(parse_encoder_settings(arguments, problem));
}

TEST(H264Level, IsTheLowestLevelWhoseLimitsTheStreamKeeps) {
  const AVRational ntsc{30000, 1001};
  struct Case {
    int width, height;
    AVRational rate;
    int64_t bitrate;
    int level;
  };
  const Case cases[] = {
      {320, 240, ntsc, 768000, 21},
      {368, 208, ntsc, 768000, 21},
      // 510 macroblocks a frame, 15,285 a second: within 2.1's 792 and 19,800.
      {480, 272, ntsc, 1024000, 21},
      {480, 272, {60000, 1001}, 768000, 30},
      {720, 480, {15, 1}, 768000, 22},  // 1,350 and 20,250: 2.2 exactly
      {720, 480, ntsc, 768000, 30},
      {720, 576, {25, 1}, 768000, 30},  // 1,620 and 40,500: 3.0 exactly
      {960, 540, ntsc, 768000, 31},
      {1280, 720, {60, 1}, 768000, 32},
      {1920, 1088, ntsc, 768000, 40},
      {2048, 1088, ntsc, 768000, 42},
      {2560, 1600, {30, 1}, 768000, 50},
      {4096, 2160, {25, 1}, 768000, 51},
      {4096, 2304, {60, 1}, 768000, 52},
      {4096, 4096, ntsc, 768000, 52},  // beyond every level: the highest
      {320, 240, {100, 1}, 768000, 30},
      // 80 macroblocks wide is more than 2.1's sqrt(8 x 792) allows.
      {1280, 16, ntsc, 768000, 22},
      {320, 240, ntsc, 4000000, 30},  // 2.1's bitrate, but not its 4,000 kb buffer
      {320, 240, ntsc, 2000000, 21},
      {960, 540, ntsc, 8000000, 32},  // 3.1 holds the bitrate, not its buffer
      {1920, 1088, ntsc, 24000000, 41},
  };
  for (const Case& c : cases) {
    EncoderSettings settings;
    settings.width = c.width;
    settings.height = c.height;
    settings.frame_rate = c.rate;
    settings.video_bitrate = c.bitrate;
    EXPECT_EQ(h264_level_for(settings), c.level)
        << c.width << "x" << c.height << " at " << c.rate.num << "/" << c.rate.den << ", "
        << c.bitrate;
  }
}

// The level the encoder picks for `profile` as the video maker starts it.
int level_of(const OutputProfile& profile) {
  const VideoSize* size = find_video_size(profile.value(ProfileParameterId::kVideoSize));
  if (size == nullptr) return 0;
  const EncoderParameters texts = encoder_parameters(profile);
  const EncoderArguments arguments{size->width,
                                   size->height,
                                   "/v/a.mp4",
                                   "/m.mp2",
                                   texts.audio_codec.c_str(),
                                   texts.audio_bitrate.c_str(),
                                   texts.sample_rate.c_str(),
                                   texts.channel.c_str(),
                                   texts.video_codec.c_str(),
                                   texts.video_bitrate.c_str(),
                                   texts.frame_rate.c_str()};
  std::string problem;
  const std::optional<EncoderSettings> settings = parse_encoder_settings(arguments, problem);
  return settings ? h264_level_for(*settings) : 0;
}

// The PSP plays level 2.1; phones, tablets and TVs all decode up to 4.1.
TEST(H264Level, EveryChoiceOfTheShippedProfilesIsALevelItsPlayersDecode) {
  test::TempProgramFolder home;
  home.install("profile");
  ProfileGroupList list;
  ASSERT_TRUE(list.load_profiles(home.path()));
  const auto values = [](const OutputProfile& profile, ProfileParameterId id) {
    return profile.parameter(id).values;
  };
  int checked = 0;
  for (const ProfileGroup& group : list.groups()) {
    for (OutputProfile profile : group.profiles) {
      if (profile.value(ProfileParameterId::kVideoCodec) != "h264") continue;
      for (const ProfileValue& size : values(profile, ProfileParameterId::kVideoSize)) {
        for (const ProfileValue& rate : values(profile, ProfileParameterId::kVideoFrameRate)) {
          for (const ProfileValue& bits : values(profile, ProfileParameterId::kVideoBitrate)) {
            profile.set_parameter_text(ProfileParameterId::kVideoSize, size.text);
            profile.set_parameter_text(ProfileParameterId::kVideoFrameRate, rate.text);
            profile.set_parameter_text(ProfileParameterId::kVideoBitrate, bits.text);
            if (profile.for_psp()) {
              EXPECT_EQ(level_of(profile), 21) << profile.desc_l << ": " << size.text << " at "
                                               << rate.text << ", " << bits.text << " kb";
            } else {
              const int level = level_of(profile);
              EXPECT_TRUE(level >= 31 && level <= 41)
                  << profile.desc_l << ": " << bits.text << " kb: level " << level;
            }
            ++checked;
          }
        }
      }
    }
  }
  EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace pictavo
