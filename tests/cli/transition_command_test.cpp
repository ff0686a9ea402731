#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "render/argb.h"
#include "support/files.h"
#include "support/run_command.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

using ::testing::HasSubstr;

TEST(TransitionCommand, WritesTheI420FramesTheEncoderWouldGet) {
  test::TempProgramFolder home;
  test::TempFolder folder;
  const std::string white = test::write_photo(folder / "white.png", 32, 16, kOpaqueWhite);
  const std::string red = test::write_photo(folder / "red.png", 32, 16, argb(255, 255, 0, 0));
  const std::string out = (folder / "wipe.y4m").string();
  const test::CommandResult result = test::run_cli(
      {"transition", "--from", white, "--to", red, "--type", "wipe", "--p1", "1", "--seconds", "1",
       "--display", "1", "--fps", "4", "--size", "16x8", "--y4m", out});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("8 frames of 16x8"));

  const std::string stream = test::read_file(out);
  const std::string header = "YUV4MPEG2 W16 H8 F4:1 Ip A1:1 C420jpeg\n";
  const std::size_t frame_bytes = 16 * 8 * 3 / 2;
  ASSERT_EQ(stream.size(), header.size() + 8 * (6 + frame_bytes));
  EXPECT_EQ(stream.substr(0, header.size()), header);
  // Frame 0: the red photo has come in 4 pixels from the right over the white one.
  const std::string first = stream.substr(header.size() + 6, 16);
  EXPECT_EQ(first, std::string(12, static_cast<char>(235)) + std::string(4, static_cast<char>(81)));
  // The last frame is the red photo alone.
  const std::string last = stream.substr(stream.size() - frame_bytes, 16 * 8);
  EXPECT_EQ(last, std::string(16 * 8, static_cast<char>(81)));
}

TEST(TransitionCommand, WritesPngFramesAfterTheOpening) {
  test::TempProgramFolder home;
  test::TempFolder folder;
  const std::string white = test::write_photo(folder / "white.png", 40, 30, kOpaqueWhite);
  const std::string black = test::write_photo(folder / "black.png", 30, 40, kOpaqueBlack);
  const test::CommandResult result = test::run_cli(
      {"transition", "--from",   white,       "--to",      black,
       "--type",     "Spin",     "--seconds", "1",         "--display",
       "0",          "--fps",    "5",         "--size",    "32x24",
       "--opening",  "--effect", "19",        "--png-dir", (folder / "frames").string()});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("10 frames of 32x24"));
  EXPECT_TRUE(std::filesystem::exists(folder / "frames" / "frame_00000.png"));
  EXPECT_TRUE(std::filesystem::exists(folder / "frames" / "frame_00009.png"));
  EXPECT_FALSE(std::filesystem::exists(folder / "frames" / "frame_00010.png"));
}

TEST(TransitionCommand, RefusesWhatItCannotRender) {
  test::TempProgramFolder home;
  test::TempFolder folder;
  const std::string white = test::write_photo(folder / "white.png", 8, 8, kOpaqueWhite);
  const std::string out = (folder / "out.y4m").string();
  const auto run = [&](std::vector<std::string> extra) {
    std::vector<std::string> args{"transition", "--from", white, "--to", white, "--y4m", out};
    args.insert(args.end(), extra.begin(), extra.end());
    return test::run_cli(args);
  };
  test::CommandResult result = run({});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("--type is required"));
  result = run({"--type", "Fade"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("no transition \"Fade\""));
  result = run({"--type", "wipe", "--p1", "7"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("--p1 must be 0 to 3"));
  result = run({"--type", "zoom", "--size", "15x8"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("even sides"));
  result = test::run_cli({"transition", "--from", (folder / "none.png").string(), "--to", white,
                          "--type", "alpha", "--y4m", out});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("cannot decode"));
  result = run({"--type", "alpha", "--png-dir", (folder / "x").string()});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("one of --png-dir and --y4m"));
}

}  // namespace
}  // namespace pictavo
