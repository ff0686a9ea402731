#include "device/psp_video_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "modules/media_tools.h"
#include "support/files.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// How a test video is made: what the PSP plays unless a field says otherwise.
struct VideoRecipe {
  std::string size = "480x272";
  std::string rate = "30000/1001";
  std::string profile = "main";
  std::string level = "21";
  std::string references = "2";
  std::string x264_params = "slices=1";
  int sample_rate = 48000;
  std::string format = "psp";
};

void make_video(const fs::path& video, const VideoRecipe& recipe) {
  ASSERT_TRUE(
      test::run_ffmpeg({"-f",           "lavfi",
                        "-i",           "testsrc2=s=" + recipe.size + ":r=" + recipe.rate,
                        "-f",           "lavfi",
                        "-i",           "sine=sample_rate=" + std::to_string(recipe.sample_rate),
                        "-t",           "0.5",
                        "-ac",          "2",
                        "-c:v",         "libx264",
                        "-profile:v",   recipe.profile,
                        "-level",       recipe.level,
                        "-refs",        recipe.references,
                        "-bf",          "0",
                        "-x264-params", recipe.x264_params,
                        "-c:a",         "aac",
                        "-f",           recipe.format,
                        video.string()}));
}

void make_thumbnail(const fs::path& thumbnail, const std::string& size = "160x120") {
  ASSERT_TRUE(test::run_ffmpeg({"-f", "lavfi", "-i", "color=c=blue:s=" + size, "-frames:v", "1",
                                "-f", "mjpeg", thumbnail.string()}));
}

std::vector<std::string> failed_names(const PspVideoCheck& check) {
  std::vector<std::string> names;
  for (const PspRule& rule : check.failures())
    names.push_back(rule.name.english());
  return names;
}

struct BrokenRule {
  const char* case_name;
  VideoRecipe recipe;
  const char* rule;
  const char* found;
};

// Names the case in the test's listing instead of its bytes.
void PrintTo(const BrokenRule& broken, std::ostream* out) {
  *out << broken.case_name;
}

class PspVideoCheckBreaks : public ::testing::TestWithParam<BrokenRule> {};

TEST_P(PspVideoCheckBreaks, OnlyTheRuleItBreaks) {
  const BrokenRule& broken = GetParam();
  test::TempFolder temp;
  make_video(temp / "video.mp4", broken.recipe);
  make_thumbnail(temp / "video.THM");
  const PspVideoCheck check = check_psp_video(temp / "video.mp4");
  EXPECT_THAT(failed_names(check), ElementsAre(broken.rule));
  for (const PspRule& rule : check.failures())
    EXPECT_THAT(rule.reason.english(), HasSubstr(broken.found));
}

VideoRecipe with(void (*change)(VideoRecipe&)) {
  VideoRecipe recipe;
  change(recipe);
  return recipe;
}

INSTANTIATE_TEST_SUITE_P(
    Videos, PspVideoCheckBreaks,
    ::testing::Values(
        BrokenRule{"HighProfile", with([](VideoRecipe& r) { r.profile = "high"; }), "video codec",
                   "H.264 High profile; the PSP needs"},
        BrokenRule{"Level4", with([](VideoRecipe& r) { r.level = "40"; }), "level",
                   "level 4.0; the PSP needs level 2.1 or lower"},
        BrokenRule{"FourReferenceFrames", with([](VideoRecipe& r) { r.references = "4"; }),
                   "reference frames", "4 reference frames"},
        BrokenRule{"FourSlices", with([](VideoRecipe& r) { r.x264_params = "slices=4"; }), "slices",
                   "4 slices in the first picture"},
        BrokenRule{"VgaSize", with([](VideoRecipe& r) { r.size = "640x480"; }), "frame size",
                   "640x480; the PSP needs at most 480x272"},
        BrokenRule{"ThirtyFps", with([](VideoRecipe& r) { r.rate = "30"; }), "frame rate",
                   "30 fps"},
        BrokenRule{"CdSampleRate", with([](VideoRecipe& r) { r.sample_rate = 44100; }),
                   "sample rate", "44100 Hz; the PSP needs 24000 or 48000 Hz"},
        BrokenRule{"PlainMp4", with([](VideoRecipe& r) { r.format = "mp4"; }), "container",
                   "MP4 of brand isom"}),
    [](const ::testing::TestParamInfo<BrokenRule>& info) { return info.param.case_name; });

TEST(PspVideoCheck, PassesEveryRuleForBaselineAndForMpeg4SimpleProfile) {
  test::TempFolder temp;
  make_video(temp / "baseline.mp4", with([](VideoRecipe& r) { r.profile = "baseline"; }));
  make_thumbnail(temp / "baseline.THM");
  ASSERT_TRUE(test::run_ffmpeg({"-f", "lavfi", "-i", "testsrc2=s=320x240:r=25", "-f", "lavfi", "-i",
                                "sine=sample_rate=24000", "-t", "0.5", "-ac", "2", "-c:v", "mpeg4",
                                "-c:a", "aac", "-f", "psp", (temp / "simple.mp4").string()}));
  make_thumbnail(temp / "simple.THM");
  for (const char* video : {"baseline.mp4", "simple.mp4"}) {
    const PspVideoCheck check = check_psp_video(temp / video);
    EXPECT_TRUE(check.plays()) << video << " fails " << testing::PrintToString(failed_names(check));
    EXPECT_TRUE(check.readable);
    EXPECT_EQ(check.rules.size(), std::string(video) == "simple.mp4" ? 9u : 12u);
  }
}

TEST(PspVideoCheck, TheThumbnailMustBeA160x120BaselineJpegBesideTheVideo) {
  test::TempFolder temp;
  make_video(temp / "video.mp4", {});
  const auto thumbnail_reason = [&] {
    const std::vector<PspRule> failures = check_psp_video(temp / "video.mp4").failures();
    return failures.size() == 1 && failures[0].name == "thumbnail" ? failures[0].reason.english()
                                                                   : "";
  };
  EXPECT_THAT(thumbnail_reason(), HasSubstr("no video.THM"));
  make_thumbnail(temp / "video.THM", "320x240");
  EXPECT_THAT(thumbnail_reason(), HasSubstr("video.THM: 320x240 baseline JPEG; the PSP needs"));
  // A progressive frame header (SOF2) of 160 x 120.
  test::write_file(temp / "video.THM",
                   std::string("\xFF\xD8\xFF\xC2\x00\x0B\x08\x00\x78\x00\xA0\x01\x01\x11\x00", 15));
  EXPECT_THAT(thumbnail_reason(), HasSubstr("160x120 JPEG, not baseline"));
  test::write_file(temp / "video.THM", "GIF89a");
  EXPECT_THAT(thumbnail_reason(), HasSubstr("video.THM is no JPEG file"));
}

TEST(PspVideoCheck, FilesThatAreNoVideosFailWithAReason) {
  test::TempFolder temp;
  EXPECT_THAT(
      check_psp_video(temp / "missing.mp4").failures(),
      ElementsAre(::testing::Field(
          &PspRule::reason, ::testing::Property(&UserText::english, HasSubstr("no such file")))));
  EXPECT_THAT(failed_names(check_psp_video(temp.path())), ElementsAre("file"));

  test::write_file(temp / "text.mp4", "not a video at all");
  make_thumbnail(temp / "text.THM");
  const PspVideoCheck text = check_psp_video(temp / "text.mp4");
  EXPECT_THAT(failed_names(text), ElementsAre("container", "media"));
  EXPECT_FALSE(text.readable);

  make_video(temp / "whole.mp4", {});
  const std::string whole = test::read_file(temp / "whole.mp4");
  test::write_file(temp / "cut.mp4", whole.substr(0, whole.size() / 2));
  make_thumbnail(temp / "cut.THM");
  const PspVideoCheck cut = check_psp_video(temp / "cut.mp4");
  EXPECT_THAT(failed_names(cut), ElementsAre("media"));
  EXPECT_THAT(cut.failures().at(0).reason.english(), HasSubstr("FFmpeg cannot read it"));
}

}  // namespace
}  // namespace pictavo
