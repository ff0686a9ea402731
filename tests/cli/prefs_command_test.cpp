#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/log.h"
#include "model/project.h"
#include "model/project_start.h"
#include "support/run_command.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

TEST(PrefsCommand, BeforeTheFirstStartShowsWhereEverythingWillBe) {
  test::TempProgramFolder home;
  const std::string app = home.path().string();
  const test::CommandResult result = test::run_cli({"prefs"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("Program folder:        " + app + "\n"));
  EXPECT_THAT(result.out, HasSubstr("Preferences file:      " + app + "/referenceFile.xml\n"));
  EXPECT_THAT(result.out, HasSubstr("Log:                   " + app + "/log.txt\n"));
  EXPECT_THAT(result.out, HasSubstr("Stored values: none yet"));
  EXPECT_THAT(result.out, HasSubstr("Working folder:        none yet\n"));
  EXPECT_THAT(result.out, HasSubstr("Next working folder:   " + app + "/Project_1\n"));
  EXPECT_THAT(result.out, HasSubstr("Next project file:     " + app + "/project0.prg\n"));
  // Looking changes nothing.
  EXPECT_TRUE(std::filesystem::is_empty(home.path()));
}

TEST(PrefsCommand, AfterAStartShowsTheStoredValues) {
  test::TempProgramFolder home;
  const std::string app = home.path().string();
  {
    Project project(home.path());
    start_project(project);
    set_log_path({});
  }
  const test::CommandResult result = test::run_cli({"prefs"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("  RunTimes             0\n"));
  EXPECT_THAT(result.out, HasSubstr("  AppPath              " + app + "\n"));
  EXPECT_THAT(result.out, HasSubstr("  NationName           U.S.A\n"));
  EXPECT_THAT(result.out, HasSubstr("  EFFECT_SETS          19 transition templates\n"));
  EXPECT_THAT(result.out,
              HasSubstr("Working folder:        " + app + "/Project_1 (the last start's)"));
  EXPECT_THAT(result.out, HasSubstr("Next working folder:   " + app + "/Project_2\n"));
  EXPECT_THAT(result.out, Not(HasSubstr("another program folder")));
}

TEST(PrefsCommand, AForeignOrBrokenFileIsNamedAsSuch) {
  test::TempProgramFolder home;
  const auto file = home.path() / "referenceFile.xml";
  std::ofstream(file) << "<reference>\r\n<VERSION>3.0.6</VERSION>\r\n<RunTimes>4</RunTimes>\r\n"
                         "<AppPath>/elsewhere</AppPath>\r\n</reference>\r\n";
  test::CommandResult result = test::run_cli({"prefs"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("  RunTimes             4\n"));
  EXPECT_THAT(result.out, HasSubstr("(another program folder: the next start replaces the file)"));

  std::ofstream(file) << "not a preferences file";
  result = test::run_cli({"prefs"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("is not a preferences file"));
}

}  // namespace
}  // namespace pictavo
