// Real videos of every shipped profile, made by the encoder module from photos drawn
// in memory and checked with ffprobe as a PSP would take them.
#include <gtest/gtest.h>

#include <string>

#include "modules/media_tools.h"
#include "support/temp_program_folder.h"
#include "video/encoder_module.h"
#include "video/encoder_parameters.h"
#include "video/memory_slideshow.h"
#include "video/profile_group_list.h"
#include "video/video_maker.h"
#include "video/video_size_table.h"

namespace pictavo {
namespace {

using test::probe_number;

class PspVideo : public ::testing::Test {
 protected:
  void SetUp() override {
    home_.install(kEncoderModule);
    home_.install("profile");
    ASSERT_TRUE(profiles_.load_profiles(home_.path()));
    // Shorter than every video: the sound track is padded to the pictures' end.
    music_ = home_.path() / "music.mp2";
    ASSERT_TRUE(test::make_tone(music_, 1.5, 48000, 2, {"-b:a", "192k"}));
  }

  // Photos with detail and colour, one of them moving.
  void add_photos(test::MemorySlideshow& show, int count, int display_seconds,
                  int transition_seconds) {
    const std::uint32_t colours[] = {argb(255, 200, 40, 40), argb(255, 40, 180, 60),
                                     argb(255, 30, 60, 220), argb(255, 240, 220, 40)};
    for (int i = 0; i < count; ++i) {
      show.add_photo(test::quadrant_canvas(64, 48,
                                           {colours[i % 4], colours[(i + 1) % 4],
                                            colours[(i + 2) % 4], colours[(i + 3) % 4]}),
                     display_seconds, transition_seconds,
                     i % 2 == 0 ? TransitionType::kWipe : TransitionType::kAlpha,
                     i == 1 ? ImageEffect::kZoomCenterIn : ImageEffect::kNone);
    }
  }

  void expect_psp_video(const OutputProfile& profile, const std::filesystem::path& video,
                        int frames) {
    const test::ProbeResult info = test::probe(video, true);
    const VideoSize* size = find_video_size(profile.value(ProfileParameterId::kVideoSize));
    ASSERT_NE(size, nullptr);
    const bool h264 = profile.value(ProfileParameterId::kVideoCodec) == "h264";
    const bool ntsc = profile.value(ProfileParameterId::kVideoFrameRate) == "29.97";
    EXPECT_EQ(info.at("format.nb_streams"), "2");
    EXPECT_EQ(info.at("format.tags.major_brand"), "MSNV");
    EXPECT_EQ(info.at("streams.stream.0.codec_type"), "video");
    EXPECT_EQ(info.at("streams.stream.0.codec_name"), h264 ? "h264" : "mpeg4");
    EXPECT_EQ(info.at("streams.stream.0.width"), std::to_string(size->width));
    EXPECT_EQ(info.at("streams.stream.0.height"), std::to_string(size->height));
    EXPECT_EQ(info.at("streams.stream.0.r_frame_rate"), ntsc ? "30000/1001" : "25/1");
    EXPECT_EQ(info.at("streams.stream.0.nb_read_frames"), std::to_string(frames));
    EXPECT_EQ(info.at("streams.stream.1.codec_name"), "aac");
    EXPECT_EQ(info.at("streams.stream.1.profile"), "LC");
    EXPECT_EQ(info.at("streams.stream.1.sample_rate"),
              profile.value(ProfileParameterId::kSampleRate));
    EXPECT_NEAR(probe_number(info, "streams.stream.1.duration"),
                probe_number(info, "streams.stream.0.duration"), 0.1);
    if (h264) {
      test::expect_psp_h264(video, frames, size->width * size->height > 320 * 240 ? 30 : 21);
    } else {
      EXPECT_EQ(info.at("streams.stream.0.profile"), "Simple Profile");
    }
  }

  test::TempProgramFolder home_;
  ProfileGroupList profiles_;
  std::filesystem::path music_;
};

TEST_F(PspVideo, EveryShippedProfileMakesAVideoThePspPlays) {
  const std::vector<OutputProfile>& shipped = profiles_.groups().at(0).profiles;
  ASSERT_EQ(shipped.size(), 5u);
  for (const OutputProfile& profile : shipped) {
    SCOPED_TRACE(profile.desc_l);
    const int fps = counted_frame_rate(profile);
    test::MemorySlideshow show;
    // The PAL profile gets the three photos of 3 + 2 s: 25 + 125 + 125 frames.
    // The others are kept short: two photos of 1 + 1 s.
    const bool pal = fps == 25;
    add_photos(show, pal ? 3 : 2, pal ? 3 : 1, pal ? 2 : 1);
    const int frames = pal ? 275 : fps + 2 * fps;
    const std::filesystem::path video = home_.path() / (profile.desc_s + "." + profile.ext);
    std::string failure;
    ASSERT_EQ(make_slideshow_video(show.job(profile, video, music_), &failure), 0) << failure;
    expect_psp_video(profile, video, frames);
  }
}

}  // namespace
}  // namespace pictavo
