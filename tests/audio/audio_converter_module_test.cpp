#include "audio/audio_converter_module.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_program_folder.h"
#include "support/test_modules.h"

namespace pictavo {
namespace {

TEST(TrackSeconds, AsksTheModuleOfTheProgramFolder) {
  test::TempProgramFolder home;
  home.install_file(test::fake_audio_converter_module(), kAudioConverterModule);
  std::ofstream(home.path() / "song.mp3") << "184";
  std::ofstream(home.path() / "silence.mp3") << "no audio";
  EXPECT_EQ(track_seconds(home.path() / "song.mp3"), 184);
  EXPECT_EQ(track_seconds(home.path() / "silence.mp3"), 0);
}

TEST(TrackSeconds, IsOneWithoutTheModuleAndZeroWithoutItsEntry) {
  test::TempProgramFolder home;
  std::ofstream(home.path() / "song.mp3") << "184";
  EXPECT_EQ(track_seconds(home.path() / "song.mp3"), 1);

  home.install_file(test::module_without_entries(), kAudioConverterModule);
  EXPECT_EQ(track_seconds(home.path() / "song.mp3"), 0);
}

}  // namespace
}  // namespace pictavo
