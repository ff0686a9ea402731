#include "audio/music_player.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "audio/audio_duration.h"
#include "base/log.h"
#include "base/timer_queue.h"
#include "modules/media_tools.h"
#include "support/files.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

using std::chrono::milliseconds;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(TimerQueue, RunsDueTimersInOrderOnTheCallersThread) {
  TimerQueue timers;
  std::vector<std::string> fired;
  timers.start_timer(milliseconds(30), [&] { fired.push_back("30"); });
  const auto killed = timers.start_timer(milliseconds(20), [&] { fired.push_back("killed"); });
  timers.start_timer(milliseconds(10), [&] {
    fired.push_back("10 at " + std::to_string(timers.now().count()));
    timers.start_timer(milliseconds(5), [&] { fired.push_back("started by 10"); });
  });
  timers.kill_timer(killed);
  EXPECT_EQ(timers.next_due(), milliseconds(10));

  timers.advance_to(milliseconds(29));
  EXPECT_THAT(fired, ElementsAre("10 at 10", "started by 10"));
  EXPECT_EQ(timers.now(), milliseconds(29));
  timers.advance_to(milliseconds(5));  // time never goes back
  EXPECT_EQ(timers.now(), milliseconds(29));
  timers.advance_to(milliseconds(30));
  EXPECT_THAT(fired, ElementsAre("10 at 10", "started by 10", "30"));
  EXPECT_TRUE(timers.empty());
  EXPECT_EQ(timers.next_due(), std::nullopt);
  timers.kill_timer(killed);  // long gone: nothing happens
}

// What the player told its owner.
class Recorder final : public MusicPlayerObserver {
 public:
  void track_started(std::size_t index, const std::filesystem::path& file,
                     std::chrono::microseconds) override {
    events.push_back("started " + std::to_string(index) + " " + file.filename().string());
  }
  void playback_failed(std::size_t index, const std::filesystem::path& file,
                       const std::string& reason) override {
    events.push_back("failed " + std::to_string(index) + " " + file.filename().string());
    reasons.push_back(reason);
  }
  void playback_finished() override { events.push_back("finished"); }

  std::vector<std::string> events;
  std::vector<std::string> reasons;
};

class MusicPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);  // never a sound on a test machine
    set_log_path(folder_ / "log.txt");
    player_.set_observer(&recorder_);
    for (const auto& [name, seconds] :
         {std::pair{"one.wav", 1.0}, {"two.mp3", 1.3}, {"three.mp2", 0.6}}) {
      ASSERT_TRUE(test::make_tone(folder_ / name, seconds, 44100, 2)) << name;
      files_.push_back(folder_ / name);
    }
  }
  void TearDown() override {
    player_.stop_playback();
    set_log_path({});
  }

  // Moves the time to the end of the track that plays now.
  void end_track() {
    ASSERT_TRUE(timers_.next_due());
    timers_.advance_to(*timers_.next_due());
  }

  std::string log() const { return test::read_file(folder_ / "log.txt"); }
  int log_count(const std::string& text) const {
    const std::string all = log();
    int count = 0;
    for (auto at = all.find(text); at != std::string::npos; at = all.find(text, at + 1))
      ++count;
    return count;
  }

  static milliseconds length_of(const std::filesystem::path& file) {
    return std::chrono::duration_cast<milliseconds>(audio_duration(file.c_str()));
  }

  test::TempFolder folder_;
  std::vector<std::filesystem::path> files_;
  TimerQueue timers_;
  Recorder recorder_;
  MusicPlayer player_{timers_};
};

TEST_F(MusicPlayerTest, PlaysEachTrackForItsLengthAndEndsAfterTheLast) {
  player_.play_files(files_);
  EXPECT_TRUE(player_.is_playing());
  EXPECT_EQ(player_.current_track(), 0u);
  EXPECT_EQ(timers_.next_due(), length_of(files_[0]));

  end_track();
  EXPECT_EQ(player_.current_track(), 1u);
  EXPECT_EQ(timers_.next_due(), length_of(files_[0]) + length_of(files_[1]));
  end_track();
  EXPECT_EQ(player_.current_track(), 2u);
  end_track();

  EXPECT_FALSE(player_.is_playing());
  EXPECT_EQ(player_.current_track(), std::nullopt);
  EXPECT_TRUE(timers_.empty());
  EXPECT_THAT(recorder_.events, ElementsAre("started 0 one.wav", "started 1 two.mp3",
                                            "started 2 three.mp2", "finished"));
  EXPECT_EQ(log_count(": Init audio player module ok!\n"), 3);
  EXPECT_EQ(log_count(": Render file ok!\n"), 3);

  // Once the list has ended the player takes a new one.
  player_.play_files({files_[2]});
  EXPECT_EQ(player_.current_track(), 0u);
}

TEST_F(MusicPlayerTest, PlayingFromAPointStartsInTheTrackThatHoldsIt) {
  const milliseconds half_second(500);
  player_.play_files(files_, length_of(files_[0]) + half_second);
  EXPECT_EQ(player_.current_track(), 1u);
  ASSERT_TRUE(timers_.next_due());
  EXPECT_NEAR(timers_.next_due()->count(), (length_of(files_[1]) - half_second).count(), 1);
  player_.stop_playback();

  // Past the end of the list nothing plays, unless the list starts again.
  milliseconds total(0);
  for (const auto& file : files_)
    total += length_of(file);
  player_.play_files(files_, total + half_second);
  EXPECT_FALSE(player_.is_playing());
  player_.set_loop_audio(true);
  player_.play_files(files_, total + half_second);
  EXPECT_EQ(player_.current_track(), 0u);
  EXPECT_NEAR(timers_.next_due()->count(), (length_of(files_[0]) - half_second).count(), 3);
}

TEST_F(MusicPlayerTest, WithLoopAudioTheListStartsAgain) {
  player_.set_loop_audio(true);
  player_.play_files({files_[0], files_[2]});
  end_track();
  end_track();
  EXPECT_EQ(player_.current_track(), 0u);
  end_track();
  EXPECT_EQ(player_.current_track(), 1u);

  // Turned off, it ends after the last track.
  player_.set_loop_audio(false);
  end_track();
  EXPECT_FALSE(player_.is_playing());
  EXPECT_THAT(recorder_.events,
              ElementsAre("started 0 one.wav", "started 1 three.mp2", "started 0 one.wav",
                          "started 1 three.mp2", "finished"));
}

TEST_F(MusicPlayerTest, PlayIsIgnoredWhilePlayingAndStopSilencesAtOnce) {
  player_.play_files({files_[0], files_[1]});
  player_.play_files({files_[2]});
  EXPECT_EQ(player_.current_track(), 0u);
  EXPECT_EQ(timers_.next_due(), length_of(files_[0]));

  player_.stop_playback();
  EXPECT_FALSE(player_.is_playing());
  EXPECT_EQ(player_.current_playback(), nullptr);
  EXPECT_TRUE(timers_.empty());
  player_.stop_playback();  // idle: nothing to do

  player_.play_files({});  // nothing to play
  EXPECT_FALSE(player_.is_playing());
  player_.play_files({files_[2]});
  EXPECT_EQ(player_.current_track(), 0u);
  EXPECT_THAT(recorder_.events, ElementsAre("started 0 one.wav", "started 0 three.mp2"));
}

TEST_F(MusicPlayerTest, AFileThatCannotBePlayedIsLoggedAndLeavesThePlayerIdle) {
  const auto letter = folder_ / "letter.mp3";
  std::ofstream(letter) << "Dear friend, this is not music.\n";
  player_.play_files({files_[0], letter, files_[1]});
  end_track();

  EXPECT_FALSE(player_.is_playing());
  EXPECT_TRUE(timers_.empty());
  EXPECT_THAT(recorder_.events, ElementsAre("started 0 one.wav", "failed 1 letter.mp3"));
  EXPECT_THAT(recorder_.reasons, ElementsAre("not a readable media file"));
  EXPECT_THAT(log(), HasSubstr(": Init audio player module ok!\n"));
  EXPECT_THAT(log(),
              HasSubstr(": Render file failed, there is no need audio player module installed!\n"));
}

TEST_F(MusicPlayerTest, WithoutAnAudioSystemNothingPlays) {
  ::setenv("SDL_AUDIODRIVER", "no such driver", 1);
  player_.play_files(files_);
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  EXPECT_FALSE(player_.is_playing());
  EXPECT_TRUE(timers_.empty());
  EXPECT_THAT(log(), HasSubstr(": Init IID_IGraphBuilder failed!\n"));
  EXPECT_THAT(log(), testing::Not(HasSubstr("Render file")));
  EXPECT_THAT(recorder_.events, ElementsAre("failed 0 one.wav"));
}

TEST_F(MusicPlayerTest, TheOutputIsFedWithTheDecodedFile) {
  player_.play_files({files_[1]});
  ASSERT_NE(player_.current_playback(), nullptr);
  // The audio output asks for sound at its own pace; wait until it has had some.
  for (int i = 0; i < 2000 && player_.current_playback()->samples_played() == 0; ++i)
    std::this_thread::sleep_for(milliseconds(10));
  EXPECT_GT(player_.current_playback()->samples_played(), 0);
}

}  // namespace
}  // namespace pictavo
