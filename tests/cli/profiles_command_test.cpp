#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/files.h"
#include "support/run_command.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

using ::testing::HasSubstr;

TEST(ProfilesCommand, ListsTheShippedProfilesWithTheCurrentOneMarked) {
  test::TempProgramFolder home;
  home.install("profile");
  const test::CommandResult result = test::run_cli({"profiles"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("Group 0: Sony PSP"));
  EXPECT_THAT(result.out, HasSubstr("* 0  PSP MPEG-4 320x240"));
  EXPECT_THAT(result.out, HasSubstr("video codec       mpeg4    (mpeg4, xvid, h264)"));
  EXPECT_THAT(result.out, HasSubstr("  3  PSP AVC full screen 480x272"));
  // The profiles of phones, tablets and TVs are numbered on after the PSP's.
  EXPECT_THAT(result.out, HasSubstr("Group 1: Phones, tablets and TVs"));
  EXPECT_THAT(result.out, HasSubstr("  7  Phone portrait 1080x1920 (9:16)  [format mp4, .mp4]"));
}

TEST(ProfilesCommand, MissingOrMalformedGroupFileFailsWithAReason) {
  test::TempProgramFolder home;
  test::CommandResult result = test::run_cli({"profiles"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("no profile group file"));

  const auto avoutput = home.path() / "profile" / "avoutput";
  std::filesystem::create_directories(avoutput);
  std::ofstream(avoutput / "profile_group.xml") << "<av_output_profile_group count=\"1\">";
  result = test::run_cli({"profiles"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("cannot read the output profiles"));
}

TEST(ProfilesCommand, AGroupFileThatAnnouncesMoreGroupsListsThoseItHoldsWithAWarning) {
  test::TempProgramFolder home;
  home.install("profile");
  const auto group_file = home.path() / "profile" / "avoutput" / "profile_group.xml";
  std::string text = test::read_file(group_file);
  text.replace(text.find("count=\"2\""), 9, "count=\"3\"");
  test::write_file(group_file, text);
  const test::CommandResult result = test::run_cli({"profiles"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_THAT(result.out, HasSubstr("Group 0: Sony PSP"));
  EXPECT_EQ(result.err, "pictavo-cli profiles: warning: " + group_file.string() +
                            " announces 3 profile groups but holds 2\n");
}

TEST(Cli, UnknownCommandsAndOptionsAreUsageErrors) {
  test::TempProgramFolder home;
  test::CommandResult result = test::run_cli({"no-such-command"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("unknown command"));
  result = test::run_cli({"profiles", "--bogus"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("unknown option --bogus"));
  // A forgotten value: no file named "--flip" is written.
  result = test::run_cli({"thm", "photo.jpg", "-o", "--flip"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("-o needs a value, not the option --flip"));
  EXPECT_THAT(result.err, HasSubstr("usage: pictavo-cli thm"));
  result = test::run_cli({"--help"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_THAT(result.out, HasSubstr("profiles"));
}

}  // namespace
}  // namespace pictavo
