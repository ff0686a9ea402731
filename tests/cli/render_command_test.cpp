#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "modules/media_tools.h"
#include "profiles/encoder_parameters.h"
#include "profiles/profile_group_list.h"
#include "support/run_command.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

using test::probe_number;
using ::testing::HasSubstr;

class RenderCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    home_.install("libZorvEncoder.so");
    home_.install("profile");
    home_.install("menu_pic");
    ASSERT_TRUE(profiles_.load_profiles(home_.path()));
    // Shorter than every video: the sound track is padded to the pictures' end.
    music_ = photos_ / "music.mp2";
    ASSERT_TRUE(test::make_tone(music_, 1.5, 48000, 2, {"-b:a", "192k"}));
    for (int i = 0; i < 3; ++i) {
      const std::filesystem::path photo = photos_ / ("photo" + std::to_string(i) + ".jpg");
      ASSERT_TRUE(
          test::run_ffmpeg({"-f", "lavfi", "-i", "testsrc2=s=160x120", "-vf",
                            "hue=h=" + std::to_string(i * 120), "-frames:v", "1", photo.string()}));
      photo_args_.insert(photo_args_.end(), {"--photo", photo.string()});
    }
  }

  // `count` photos with the given times, with a zoom and cross-fades.
  test::CommandResult render(int profile, int count, int display_seconds, int transition_seconds,
                             const std::filesystem::path& video) {
    std::vector<std::string> args{"render"};
    args.insert(args.end(), photo_args_.begin(), photo_args_.begin() + 2 * count);
    args.insert(args.end(),
                {"--profile", std::to_string(profile), "--music", music_.string(), "--effect", "8",
                 "--display", std::to_string(display_seconds), "--tseconds",
                 std::to_string(transition_seconds), "-o", video.string()});
    return test::run_cli(args);
  }

  test::TempProgramFolder home_;
  test::TempFolder photos_;
  ProfileGroupList profiles_;
  std::filesystem::path music_;
  std::vector<std::string> photo_args_;
};

TEST_F(RenderCommand, EveryShippedProfileMakesAVideoThePspPlays) {
  const std::vector<OutputProfile>& shipped = profiles_.groups().at(0).profiles;
  ASSERT_EQ(shipped.size(), 5u);
  for (std::size_t index = 0; index < shipped.size(); ++index) {
    const OutputProfile& profile = shipped[index];
    SCOPED_TRACE(profile.desc_l);
    const float rate = counted_frame_rate(profile);
    // The PAL profile gets three photos of 3 + 2 s: 3 + 5 + 5 s of 25 frames. The
    // others are kept short: two photos of 1 + 1 s, 3 s of 29.97 frames.
    const bool pal = rate == 25;
    const int frames = pal ? 325 : 89;
    const std::filesystem::path video = photos_ / ("video" + std::to_string(index) + ".mp4");
    const test::CommandResult result =
        render(static_cast<int>(index), pal ? 3 : 2, pal ? 3 : 1, pal ? 2 : 1, video);
    ASSERT_EQ(result.exit_code, 0) << result.err;
    EXPECT_THAT(result.out, HasSubstr(std::to_string(frames) + " frames"));
    EXPECT_THAT(result.err, HasSubstr("100%"));
    test::expect_psp_video(profile, video, frames);
  }
}

TEST_F(RenderCommand, CtrlCStopsAfterTheFrameInHandAndLeavesAShorterVideo) {
  const std::filesystem::path video = photos_ / "stopped.mp4";
  const test::CommandResult result =
      test::run_cli_interrupted({"render", photo_args_[0], photo_args_[1], photo_args_[2],
                                 photo_args_[3], "--display", "60", "-o", video.string()},
                                "]   2%");
  EXPECT_EQ(result.exit_code, 2) << result.err;
  EXPECT_THAT(result.err, HasSubstr("stopped"));
  // The encoder was closed: the frames handed over make a complete video.
  const test::ProbeResult info = test::probe(video, true);
  EXPECT_GT(probe_number(info, "streams.stream.0.nb_read_frames"), 0);
  EXPECT_LT(probe_number(info, "streams.stream.0.nb_read_frames"), 29 + 29 * 62);
}

TEST_F(RenderCommand, SaysWhyItCannotMakeAVideo) {
  const std::filesystem::path video = photos_ / "out.mp4";
  const std::string photo = photo_args_[1];
  const auto fails_with = [](const std::vector<std::string>& args, const std::string& reason) {
    const test::CommandResult result = test::run_cli(args);
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_THAT(result.err, HasSubstr(reason));
  };
  fails_with({"render", "-o", video.string()}, "needs at least one --photo");
  fails_with({"render", "--photo", photo}, "needs -o");
  fails_with({"render", "--photo", photo, "--display", "-1", "-o", video.string()}, "0 or more");
  fails_with({"render", "--photo", photo, "--transition", "Swirl", "-o", video.string()},
             "no transition \"Swirl\"");
  fails_with({"render", "--photo", (photos_ / "none.jpg").string(), "-o", video.string()},
             "cannot read the photo");
  fails_with({"render", "--photo", photo, "--profile", "8", "-o", video.string()},
             "no output profile 8");
  fails_with({"render", "--photo", photo, "--music", (photos_ / "none.mp2").string(), "-o",
              video.string()},
             "cannot read the music");
  fails_with({"render", "--photo", photo, "-o", (photos_ / "no folder" / "out.mp4").string()},
             "cannot be created or written");
  std::filesystem::remove(home_.path() / "libZorvEncoder.so");
  fails_with({"render", "--photo", photo, "-o", video.string()}, "cannot load the encoder module");
}

}  // namespace
}  // namespace pictavo
