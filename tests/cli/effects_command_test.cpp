#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/run_command.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

TEST(EffectsCommand, ListsEffectsAndTransitionsReproduciblyForASeed) {
  test::TempProgramFolder home;
  const test::CommandResult first = test::run_cli({"effects", "--seed", "7"});
  EXPECT_EQ(first.exit_code, 0) << first.err;
  EXPECT_THAT(first.out, HasSubstr("   3  Pan/Zoom/Rotate\n"));
  EXPECT_THAT(first.out, HasSubstr("  21  random\n"));
  EXPECT_THAT(first.out, HasSubstr("seed 7"));
  EXPECT_THAT(first.out, HasSubstr("   2  Blinds          TRANSITION_EFFECT_BLIND           "
                                   "blinds.jpg         direction, window number  0, 8 "));
  EXPECT_THAT(first.out, HasSubstr("  18  Random          TRANSITION_EFFECT_RANDOM"));
  EXPECT_EQ(test::run_cli({"effects", "--seed", "7"}).out, first.out);
  EXPECT_NE(test::run_cli({"effects", "--seed", "8"}).out, first.out);
}

TEST(EffectsCommand, PrintsTheStoredFormOfATransition) {
  test::TempProgramFolder home;
  test::CommandResult result = test::run_cli({"effects", "--xml", "Circle"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(
      result.out,
      "<TRANSITION_EFFECT_SETTING NAME=\"TRANSITION_EFFECT_CIRCLE\">\r\n"
      "<TRANSITION_EFFECT_CIRCLE_PARAM>\r\n"
      "<TRANSITION_EFFECT_CIRCLE_PARAM_DIRECTION>0</TRANSITION_EFFECT_CIRCLE_PARAM_DIRECTION>\r\n"
      "<TRANSITION_EFFECT_CIRCLE_WIDTH>40</TRANSITION_EFFECT_CIRCLE_WIDTH>\r\n"
      "</TRANSITION_EFFECT_CIRCLE_PARAM>\r\n"
      "</TRANSITION_EFFECT_SETTING>\r\n");
  // Any spelling of a name, or the id, names the same type.
  EXPECT_EQ(test::run_cli({"effects", "--xml", "TRANSITION_EFFECT_CIRCLE"}).out, result.out);
  EXPECT_EQ(test::run_cli({"effects", "--xml", "3"}).out, result.out);
  EXPECT_EQ(test::run_cli({"effects", "--xml", "cube-fly"}).out,
            test::run_cli({"effects", "--xml", "Cube fly"}).out);
  EXPECT_EQ(test::run_cli({"effects", "--xml", "random"}).out,
            "<TRANSITION_EFFECT_SETTING NAME=\"TRANSITION_EFFECT_RANDOM\"/>\r\n");

  // With a seed the object holds the type's random draw, the same for the same seed.
  result = test::run_cli({"effects", "--xml", "Sweep", "--seed", "42"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_THAT(result.out, Not(HasSubstr("<TRANSITION_EFFECT_SWEEP_PARAM_WIDTH>40<")));
  EXPECT_EQ(test::run_cli({"effects", "--xml", "Sweep", "--seed", "42"}).out, result.out);
}

TEST(EffectsCommand, UnknownTransitionsAndBadSeedsFail) {
  test::TempProgramFolder home;
  test::CommandResult result = test::run_cli({"effects", "--xml", "Fade"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("no transition \"Fade\""));
  EXPECT_EQ(test::run_cli({"effects", "--xml", "19"}).exit_code, 1);
  result = test::run_cli({"effects", "--seed", "x"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("--seed needs a whole number"));
  EXPECT_EQ(test::run_cli({"effects", "extra"}).exit_code, 1);
}

}  // namespace
}  // namespace pictavo
