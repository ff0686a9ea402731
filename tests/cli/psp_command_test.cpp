#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "device/psp_video_title.h"
#include "support/files.h"
#include "support/run_command.h"
#include "support/scoped_environment.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

// A slideshow made with the real modules keeps its name on the PSP as the title
// stored in the video, which the PSP's file name cannot carry.
TEST(PspCommand, CopiesVideosToThePspUnderItsNamesAndBack) {
  test::TempProgramFolder home;
  for (const char* part : {"libZorvEncoder.so", "libxToMp2.so", "profile", "menu_pic"})
    home.install(part);
  test::TempFolder temp;
  const fs::path photo = test::test_data_folder() / "images/valid/pattern.png";
  const fs::path project = temp / "trip.prg";
  const fs::path videos = temp / "Output";
  ASSERT_EQ(test::run_cli({"new", project.string(), "--slideshow", "Summer/Trip", photo.string(),
                           "--display", "1", "--tseconds", "1"})
                .exit_code,
            0);
  const test::CommandResult made =
      test::run_cli({"make", project.string(), "--out", videos.string(), "--profile", "0"});
  ASSERT_EQ(made.exit_code, 0) << made.err;
  fs::create_directories(temp / "STICK");
  fs::create_directories(temp / "PSP/MP_ROOT/100MNV01");
  const std::string roots = (temp / "STICK").string() + ":" + (temp / "PSP").string();
  const test::ScopedEnvironment drives("PICTAVO_DRIVE_ROOTS", roots.c_str());

  test::CommandResult copied = test::run_cli({"psp", "copy", (videos / "Summer_Trip.mp4").string(),
                                              (videos / "Summer_Trip.THM").string()});
  ASSERT_EQ(copied.exit_code, 0) << copied.err;
  EXPECT_THAT(copied.err, HasSubstr("copying Summer_Trip.mp4"));
  const fs::path psp = temp / "PSP/MP_ROOT/100MNV01";
  EXPECT_THAT(copied.out, HasSubstr((videos / "Summer_Trip.THM").string() + " -> " +
                                    (psp / "M4V00001.THM").string()));
  EXPECT_EQ(test::read_file(psp / "M4V00001.THM"), test::read_file(videos / "Summer_Trip.THM"));
  EXPECT_EQ(psp_video_title(psp / "M4V00001.MP4"), "Summer/Trip");

  const test::CommandResult listed = test::run_cli({"psp", "list"});
  EXPECT_EQ(listed.exit_code, 0) << listed.err;
  EXPECT_THAT(listed.out, HasSubstr("  " + (temp / "STICK").string() + " (STICK)\n"));
  EXPECT_THAT(listed.out, HasSubstr("* " + psp.string() + "\n"));
  EXPECT_THAT(listed.out, HasSubstr("Capacity: "));
  EXPECT_THAT(listed.out, HasSubstr("M4V00001.MP4"));
  EXPECT_THAT(listed.out, HasSubstr("\"Summer/Trip\""));
  EXPECT_FALSE(fs::exists(temp / "STICK/MP_ROOT")) << "listing changes no drive";

  const test::CommandResult back = test::run_cli(
      {"psp", "copy", (psp / "M4V00001.MP4").string(), "--to-computer", (temp / "back").string()});
  ASSERT_EQ(back.exit_code, 0) << back.err;
  EXPECT_EQ(test::read_file(temp / "back/M4V00001.MP4"),
            test::read_file(videos / "Summer_Trip.mp4"));
}

TEST(PspCommand, WithoutAPspSaysSoAndCopiesNothing) {
  test::TempProgramFolder home;
  test::TempFolder temp;
  test::write_file(temp / "a.mp4");
  const test::ScopedEnvironment drives("PICTAVO_DRIVE_ROOTS", "");
  const test::CommandResult result = test::run_cli({"psp", "copy", (temp / "a.mp4").string()});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("Please make sure the PSP is connected."));
  EXPECT_EQ(test::run_cli({"psp", "copy"}).exit_code, 1);
}

// Every shipped profile's video, with its THM, plays; a file that breaks a rule
// makes the command fail and says which rule and why.
TEST(PspCommand, ChecksTheProgramsVideosOfEveryProfileAndFailsOnABrokenOne) {
  test::TempProgramFolder home;
  for (const char* installed : {"libZorvEncoder.so", "profile", "menu_pic"})
    home.install(installed);
  test::TempFolder temp;
  const std::string photo = (test::test_data_folder() / "images/valid/pattern.png").string();
  std::vector<std::string> check{"psp", "check"};
  for (int profile = 0; profile < 5; ++profile) {
    const fs::path video = temp / ("profile" + std::to_string(profile) + ".mp4");
    const test::CommandResult rendered =
        test::run_cli({"render", "--photo", photo, "--profile", std::to_string(profile),
                       "--display", "1", "-o", video.string()});
    ASSERT_EQ(rendered.exit_code, 0) << rendered.err;
    fs::path thumbnail = video;
    ASSERT_EQ(
        test::run_cli({"thm", photo, "-o", thumbnail.replace_extension(".THM").string()}).exit_code,
        0);
    check.push_back(video.string());
  }
  const test::CommandResult passed = test::run_cli(check);
  EXPECT_EQ(passed.exit_code, 0) << passed.out;
  EXPECT_THAT(passed.out, HasSubstr("profile4.mp4: plays on the PSP\n"));
  EXPECT_THAT(passed.out, HasSubstr("  pass  level            level 2.1\n"));
  EXPECT_THAT(passed.out, Not(HasSubstr("fail")));

  fs::rename(temp / "profile0.THM", temp / "other.THM");
  test::write_file(temp / "text.mp4", "no video");
  const test::CommandResult failed = test::run_cli(
      {"psp", "check", (temp / "profile0.mp4").string(), (temp / "profile1.mp4").string()});
  EXPECT_EQ(failed.exit_code, 1);
  EXPECT_THAT(failed.out, HasSubstr("profile0.mp4: will not play on the PSP\n"));
  EXPECT_THAT(failed.out,
              HasSubstr("  fail  thumbnail        no profile0.THM; the PSP needs a 160x120 "
                        "baseline JPEG\n"));
  EXPECT_THAT(failed.out, HasSubstr("profile1.mp4: plays on the PSP\n"));
  const test::CommandResult missing =
      test::run_cli({"psp", "check", (temp / "text.mp4").string(), (temp / "none.mp4").string()});
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_THAT(missing.out, HasSubstr("fail  media            FFmpeg cannot read it"));
  EXPECT_THAT(missing.out, HasSubstr("fail  file             no such file"));
  EXPECT_EQ(test::run_cli({"psp", "check"}).exit_code, 1);
}

}  // namespace
}  // namespace pictavo
