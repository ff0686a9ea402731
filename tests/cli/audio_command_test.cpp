#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "modules/media_tools.h"
#include "support/files.h"
#include "support/run_command.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class AudioCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    home_.install("libxToMp2.so");
    ASSERT_TRUE(test::make_tone(song_, 2.4, 44100, 2, {"-c:a", "libmp3lame"}));
    ASSERT_TRUE(test::make_tone(voice_, 1.1, 22050, 1));
    std::ofstream(letter_) << "Dear friend, this is not music.\n";
  }

  std::string path(const std::string& name) const { return (files_ / name).string(); }

  test::TempProgramFolder home_;
  test::TempFolder files_;
  std::filesystem::path song_ = files_ / "song.mp3";
  std::filesystem::path voice_ = files_ / "voice.wav";
  std::filesystem::path letter_ = files_ / "letter.mp3";
};

TEST_F(AudioCommand, InfoMeasuresFilesAndSaysWhyOneIsRefused) {
  test::CommandResult result = test::run_cli({"audio", "info", song_, voice_});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, "00:00:02  " + song_.string() + "\n00:00:01  " + voice_.string() + "\n");

  result = test::run_cli({"audio", "info", letter_, song_, path("gone.mp3")});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.out, HasSubstr("00:00:02  " + song_.string()));
  EXPECT_THAT(result.err, HasSubstr("The file '" + letter_.string() +
                                    "' is not a music file Pictavo can play, so it will not be "
                                    "added! (not a readable media file)"));
  EXPECT_THAT(result.err, HasSubstr("gone.mp3' is not a music file Pictavo can play, so it will "
                                    "not be added! (no such file)"));
}

TEST_F(AudioCommand, PrepareJoinsTheTracksRepeatedToOutlastTheGivenLength) {
  const std::string out = path("music.mp2");
  test::CommandResult result =
      test::run_cli({"audio", "prepare", song_, voice_, "-o", out, "--loop-seconds", "7"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, out + ": 2 tracks of 00:00:03, 3 times\n");
  const test::ProbeResult joined = test::probe(out, true);
  EXPECT_NEAR(test::probe_number(joined, "streams.stream.0.nb_read_frames") * 1152 / 48000,
              test::mp2_seconds(3 * (2.4 + 1.1)), 0.2);
  // The program's log tells what was done.
  EXPECT_THAT(test::read_file(home_.path() / "log.txt"), HasSubstr("end join all mp2 file"));

  result = test::run_cli({"audio", "prepare", song_, letter_, "-o", path("other.mp2")});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("letter.mp3' is not a music file Pictavo can play"));
  EXPECT_FALSE(std::filesystem::exists(path("other.mp2")));

  result = test::run_cli({"audio", "prepare", song_, "-o", path("no folder/x.mp2")});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("x.mp2 cannot be created (result 1)"));
}

TEST_F(AudioCommand, PlayPlaysTheFilesToTheEnd) {
  const test::CommandResult result = test::run_cli({"audio", "play", voice_, voice_});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out, "playing 1/2: " + voice_.string() +
                            " (00:00:01)\nplaying 2/2: " + voice_.string() + " (00:00:01)\n");

  const test::CommandResult refused = test::run_cli({"audio", "play", letter_});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_THAT(refused.err, HasSubstr("cannot play " + letter_.string()));
}

TEST_F(AudioCommand, MisusesAreUsageErrors) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"audio"},
        {"audio", "mix", song_.string()},
        {"audio", "info"},
        {"audio", "prepare", song_.string()},
        {"audio", "prepare", song_.string(), "-o", path("x.mp2"), "--loop-seconds", "-3"},
        {"audio", "play", "--shuffle", song_.string()}}) {
    const test::CommandResult result = test::run_cli(args);
    EXPECT_EQ(result.exit_code, 1) << args.back();
    EXPECT_THAT(result.err, HasSubstr("usage: pictavo-cli audio")) << args.back();
    EXPECT_THAT(result.out, Not(HasSubstr("playing")));
  }
}

TEST_F(AudioCommand, WithoutTheConverterModuleInfoAndPrepareFail) {
  std::filesystem::remove(home_.path() / "libxToMp2.so");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"audio", "info", song_.string()},
        {"audio", "prepare", song_.string(), "-o", path("x.mp2")}}) {
    const test::CommandResult result = test::run_cli(args);
    EXPECT_EQ(result.exit_code, 1) << args[1];
    EXPECT_THAT(result.err, HasSubstr("cannot load the audio converter module")) << args[1];
  }
}

}  // namespace
}  // namespace pictavo
