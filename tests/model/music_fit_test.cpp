#include "model/music_fit.h"

#include <gtest/gtest.h>

#include <fstream>
#include <numeric>

#include "audio/audio_converter_module.h"
#include "support/temp_program_folder.h"
#include "support/test_modules.h"

namespace pictavo {
namespace {

// Five photos with 2 s transitions and music of the given lengths (the fake
// converter module measures a file by the number it holds).
class MusicFitTest : public ::testing::Test {
 protected:
  MusicFitTest() {
    home_.install_file(test::fake_audio_converter_module(), kAudioConverterModule);
    for (int i = 0; i < 5; ++i)
      show_.photos.push_back(
          std::make_unique<PhotoItem>("/photos/" + std::to_string(i) + ".jpg", PhotoSetting{}));
    std::vector<int> all(5);
    std::iota(all.begin(), all.end(), 0);
    show_.set_transition_seconds(all, 2);
    show_.set_display_seconds(all, 7);
  }

  void add_music(int seconds) {
    const auto file = home_.path() / ("track" + std::to_string(show_.tracks.size()) + ".mp3");
    std::ofstream(file) << seconds;
    show_.tracks.push_back(std::make_unique<AudioTrack>(file, "t.mp3", "/w/t.mp2", ""));
  }

  std::vector<int> display_times() const {
    std::vector<int> times;
    for (const auto& photo : show_.photos)
      times.push_back(photo->setting.effect.display_seconds);
    return times;
  }

  test::TempProgramFolder home_;
  Slideshow show_{"trip", "/w"};
};

TEST_F(MusicFitTest, TheVideoEndsWithTheMusicTheRemainderGoingToTheFirstPhotos) {
  add_music(40);
  add_music(7);
  const MusicFit fit = fit_display_to_music(show_, show_.tracks);
  EXPECT_EQ(fit.outcome, MusicFitOutcome::kFitted);
  EXPECT_EQ(fit.music_seconds, 47);
  EXPECT_EQ(fit.video_seconds, 47);
  // 4 x 2 s transitions leave 39 s for the five photos.
  EXPECT_EQ(display_times(), (std::vector<int>{8, 8, 8, 8, 7}));
  for (const auto& photo : show_.photos)
    EXPECT_EQ(photo->setting.effect.transition_seconds, 2);
}

TEST_F(MusicFitTest, MusicThatCannotBeFittedGivesTheNearestTimesAndSaysSo) {
  add_music(5);
  MusicFit fit = fit_display_to_music(show_, show_.tracks);
  EXPECT_EQ(fit.outcome, MusicFitOutcome::kMusicTooShort);
  EXPECT_EQ(display_times(), (std::vector<int>(5, 1)));
  EXPECT_GT(fit.video_seconds, 5);

  add_music(3600);
  fit = fit_display_to_music(show_, show_.tracks);
  EXPECT_EQ(fit.outcome, MusicFitOutcome::kMusicTooLong);
  EXPECT_EQ(display_times(), (std::vector<int>(5, 60)));
}

TEST_F(MusicFitTest, WithoutMusicNothingChanges) {
  const MusicFit fit = fit_display_to_music(show_, show_.tracks);
  EXPECT_EQ(fit.outcome, MusicFitOutcome::kNoMusic);
  EXPECT_EQ(display_times(), (std::vector<int>(5, 7)));
}

}  // namespace
}  // namespace pictavo
