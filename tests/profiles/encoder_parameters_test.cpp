#include "profiles/encoder_parameters.h"

#include <gtest/gtest.h>

#include "profiles/profile_values.h"
#include "profiles/video_size_table.h"

namespace pictavo {
namespace {

TEST(EncoderParameters, RenameCodecsAndGiveBitratesInKilobits) {
  const EncoderParameters h264 = encoder_parameters(test::make_profile({}));
  EXPECT_EQ(h264.video_codec, "h264");
  EXPECT_EQ(h264.video_bitrate, "768kb");
  EXPECT_EQ(h264.audio_codec, "libfaac");
  EXPECT_EQ(h264.audio_bitrate, "128kb");
  EXPECT_EQ(h264.sample_rate, "48000");
  EXPECT_EQ(h264.frame_rate, "25");

  const EncoderParameters xvid = encoder_parameters(
      test::make_profile({.video_codec = "xvid", .frame_rate = "29.97", .audio_codec = "mp3"}));
  EXPECT_EQ(xvid.video_codec, "libxvid");
  EXPECT_EQ(xvid.audio_codec, "libmp3lame");
  EXPECT_EQ(xvid.frame_rate, "29.97");

  const EncoderParameters h263 =
      encoder_parameters(test::make_profile({.video_codec = "h263", .audio_codec = "mp2"}));
  EXPECT_EQ(h263.video_codec, "h263p");
  EXPECT_EQ(h263.audio_codec, "mp2");  // unknown names pass unchanged
}

TEST(EncoderParameters, AmrNarrowbandAlwaysGetsItsOneFormat) {
  const EncoderParameters amr = encoder_parameters(test::make_profile(
      {.audio_codec = "amr_nb", .audio_bitrate = "64", .sample_rate = "48000", .channel = "2"}));
  EXPECT_EQ(amr.audio_codec, "libamr_nb");
  EXPECT_EQ(amr.audio_bitrate, "12.2k");
  EXPECT_EQ(amr.sample_rate, "8000");
  EXPECT_EQ(amr.channel, "1");
}

TEST(EncoderParameters, TheChannelIsTheFirstCharacterOfItsValue) {
  EXPECT_EQ(encoder_parameters(test::make_profile({.channel = "2 (stereo)"})).channel, "2");
  EXPECT_EQ(encoder_parameters(test::make_profile({.channel = ""})).channel, "");
}

TEST(EncoderParameters, FramesAreCountedByTheRatesLeadingDigits) {
  EXPECT_EQ(counted_frame_rate(test::make_profile({.frame_rate = "29.97"})), 29.97f);
  EXPECT_EQ(counted_frame_rate(test::make_profile({.frame_rate = "25"})), 25);
  EXPECT_EQ(counted_frame_rate(test::make_profile({.frame_rate = "30"})), 30);
  EXPECT_EQ(counted_frame_rate(test::make_profile({.frame_rate = "15"})), 15);
  EXPECT_EQ(counted_frame_rate(test::make_profile({.frame_rate = "fast"})), 0);
}

TEST(VideoSizeTable, NamesTheSizesThatProfilesMayChoose) {
  ASSERT_EQ(video_size_table().size(), 27u);
  for (std::size_t id = 0; id < video_size_table().size(); ++id) {
    const VideoSize& size = video_size_table()[id];
    EXPECT_EQ(size.id, static_cast<int>(id));
    EXPECT_EQ(size.name, std::to_string(size.width) + "x" + std::to_string(size.height));
  }
  ASSERT_NE(find_video_size("480x272"), nullptr);
  EXPECT_EQ(find_video_size("480x272")->id, 23);
  EXPECT_EQ(find_video_size("368x208")->id, 20);
  ASSERT_NE(find_video_size("1080x1920"), nullptr);
  EXPECT_EQ(find_video_size("1080x1920")->width, 1080);  // upright: width first
  EXPECT_EQ(find_video_size("320x240")->id, 8);          // the first of its two entries
  EXPECT_EQ(find_video_size("320x240 "), nullptr);
  EXPECT_EQ(find_video_size("320X240"), nullptr);
}

}  // namespace
}  // namespace pictavo
