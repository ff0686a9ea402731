#include "encoder/encoder_settings.h"

#include <gtest/gtest.h>

#include "encoder/video_encoder.h"

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

TEST(H264Level, FollowsTheFrameSizeAndRate) {
  const AVRational ntsc{30000, 1001};
  EXPECT_EQ(h264_level_for(320, 240, ntsc), 21);
  EXPECT_EQ(h264_level_for(368, 208, ntsc), 21);
  EXPECT_EQ(h264_level_for(480, 272, ntsc), 30);
  EXPECT_EQ(h264_level_for(720, 480, ntsc), 30);
  EXPECT_EQ(h264_level_for(720, 576, AVRational{25, 1}), 30);
  EXPECT_EQ(h264_level_for(960, 540, ntsc), 31);
  EXPECT_EQ(h264_level_for(320, 240, AVRational{100, 1}), 30);
}

}  // namespace
}  // namespace pictavo
