#include "video/make_video_job.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <future>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "effects/transition_params.h"
#include "model/editing_fixture.h"
#include "model/photo_preparation.h"
#include "model/project_start.h"
#include "support/files.h"
#include "support/scoped_environment.h"
#include "support/test_modules.h"
#include "support/thread_start_failure.h"
#include "video/encoder_module.h"
#include "video/make_video_messages.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// Everything a job tells, in order; hooks act on the job's thread.
class RecordingListener final : public MakeVideoListener {
 public:
  void music_started() override {
    events.push_back("music");
    if (on_music) on_music();
  }
  void slideshow_started(int index) override {
    events.push_back("start " + std::to_string(index));
    if (on_slideshow_started) on_slideshow_started(index);
  }
  void slideshow_finished(int index, int result) override {
    events.push_back("end " + std::to_string(index) + " " + std::to_string(result));
    if (on_slideshow_finished) on_slideshow_finished(index);
  }
  void progress(int position) override { positions.push_back(position); }
  void job_ended(const MakeVideoOutcome& outcome) override {
    events.push_back("ended " + std::to_string(outcome.result));
  }

  std::vector<std::string> events;
  std::vector<int> positions;
  std::function<void()> on_music;
  std::function<void(int)> on_slideshow_started;
  std::function<void(int)> on_slideshow_finished;
};

// What the test encoder was asked to make: per video "OUTPUT|AUDIO".
std::vector<std::string> encoded_videos(const fs::path& home) {
  std::vector<std::string> videos;
  std::istringstream lines(test::read_file(home / "encoder_calls.txt"));
  for (std::string line; std::getline(lines, line);) {
    if (!line.starts_with("init ")) continue;
    std::vector<std::string> fields;
    std::istringstream parts(line);
    for (std::string field; std::getline(parts, field, '|');)
      fields.push_back(field);
    videos.push_back(fields.at(1) + "|" + fields.at(3));
  }
  return videos;
}

// A started project with the test encoder; photos are shown 1 s after 1 s
// cross-fades, so a slideshow of n photos lasts 2n - 1 s of 29.97 frames.
class MakeVideoJobTest : public test::EditingTest {
 protected:
  MakeVideoJobTest() {
    home.install_file(test::fake_encoder_module(), kEncoderModule);
    EffectRecord& effect = project->default_setting.effect;
    effect.set_transition(make_transition(TransitionType::kAlpha));
    effect.display_seconds = 1;
    effect.transition_seconds = 1;
  }

  Slideshow& add_slideshow(const std::string& name, int photos) {
    project->add_slideshow(name);
    Slideshow& slideshow = *project->slideshows.back();
    for (int i = 0; i < photos; ++i)
      slideshow.add_photo(photo(name + std::to_string(i) + ".png"), project->default_setting);
    project->update_totals();
    return slideshow;
  }

  MakeVideoOrder order() { return *make_video_order(*project, output_); }

  MakeVideoOutcome run() {
    const JobStart start = job_.start(order());
    EXPECT_EQ(start.state, JobStartState::kStarted) << start.reason;
    return job_.wait();
  }

  std::vector<std::string> log() const { return test::log_texts(home.path() / "log.txt"); }
  // The job's own lines of the log.
  std::vector<std::string> job_log() const {
    std::vector<std::string> lines;
    for (const std::string& line : log()) {
      if (line.starts_with("Created output") || line.find("Video files process") != line.npos ||
          line.find("slideshow audio") != line.npos || line.find("Slideshow") != line.npos)
        lines.push_back(line);
    }
    return lines;
  }

  fs::path temp() const { return project->default_setting.temp_folder; }

  fs::path output_ = files / "videos";
  RecordingListener listener_;
  MakeVideoJob job_{listener_};
};

TEST_F(MakeVideoJobTest, MakesTheMusicOnceThenEachSlideshowsThumbnailAndVideo) {
  Slideshow& first = add_slideshow("First", 2);
  first.add_track(music("a.mp3", 4), project->preferences);
  first.add_track(music("b.mp3", 3), project->preferences);
  add_slideshow("Second", 1).add_track(music("c.mp3", 9), project->preferences);

  const MakeVideoOutcome outcome = run();
  EXPECT_EQ(outcome.result, 0);
  EXPECT_THAT(outcome.reason, IsEmpty());
  EXPECT_EQ(outcome_message(outcome, false), std::nullopt);
  const std::string music = (temp() / "First.mp2").string();
  EXPECT_THAT(encoded_videos(home.path()),
              ElementsAre((output_ / "First.mp4").string() + "|" + music,
                          (output_ / "Second.mp4").string() + "|" + music));
  EXPECT_TRUE(fs::is_regular_file(output_ / "First.THM"));
  EXPECT_TRUE(fs::is_regular_file(output_ / "Second.THM"));
  // The shared music and the converted tracks live only while the job runs.
  for (const fs::directory_entry& entry : fs::directory_iterator(temp()))
    EXPECT_NE(entry.path().extension(), ".mp2") << entry.path();
  EXPECT_THAT(listener_.events,
              ElementsAre("music", "start 0", "end 0 0", "start 1", "end 1 0", "ended 0"));
  EXPECT_EQ(listener_.positions.back(), 65535);
  EXPECT_THAT(
      job_log(),
      ElementsAre("Created output directory " + output_.string(), "Begin make Video files process",
                  "Begin make slideshow audio", "End make slideshow audio return value:0",
                  "Begin make Slideshow video index:0", "End make Slideshow return value:0",
                  "Begin make Slideshow video index:1", "End make Slideshow return value:0",
                  "End make Video files process successful"));
  // The job worked on its own copy: the project still points where it did.
  EXPECT_EQ(project->slideshows[0]->video_path.extension(), ".mpg");
}

TEST_F(MakeVideoJobTest, MissingPhotosAreLeftOutOfTheVideosAndNamed) {
  Slideshow& first = add_slideshow("First", 3);
  add_slideshow("Second", 1);
  first.set_cover(2);
  for (const int index : {0, 2})
    first.photos[static_cast<std::size_t>(index)]->missing = true;
  project->slideshows[1]->photos[0]->missing = true;

  const MakeVideoOrder made = order();
  EXPECT_EQ(made.left_out,
            (std::vector<fs::path>{first.photos[0]->source_path, first.photos[2]->source_path,
                                   project->slideshows[1]->photos[0]->source_path}));
  ASSERT_EQ(made.slideshows[0].photos.size(), 1u);
  EXPECT_EQ(made.slideshows[0].photos[0]->source_path, first.photos[1]->source_path);
  EXPECT_EQ(made.slideshows[0].cover_index, 0);
  EXPECT_LT(made.slideshows[0].total_frames, first.total_frames);
  // A slideshow left without photos is refused as an empty one is.
  EXPECT_EQ(job_.start(order()).state, JobStartState::kEmptySlideshow);
  EXPECT_EQ(project->missing_photos().size(), 3u);
}

// Says that the videos of slideshows named "Wide..." are too large for the PSP.
class WideVideosBreakTheSize final : public MadeVideoCheck {
 public:
  static constexpr const char* kRule =
      "frame size: 640x480; the PSP needs at most 480x272, both sides multiples of 16";

  std::vector<UserText> broken_rules(const fs::path& video) const override {
    checked.push_back(video.filename().string());
    if (!video.filename().string().starts_with("Wide")) return {};
    return {UserText(kRule)};
  }

  mutable std::vector<std::string> checked;
};

TEST_F(MakeVideoJobTest, AVideoThatWillNotPlayIsLoggedAndNamedWithTheRulesItBreaks) {
  add_slideshow("Wide", 1);
  add_slideshow("Fine", 1);
  WideVideosBreakTheSize check;
  ASSERT_EQ(job_.start(order(), &check).state, JobStartState::kStarted);
  const MakeVideoOutcome outcome = job_.wait();

  EXPECT_EQ(outcome.result, 0);
  EXPECT_THAT(check.checked, ElementsAre("Wide.mp4", "Fine.mp4"));
  const fs::path wide = output_ / "Wide.mp4";
  EXPECT_THAT(outcome.unplayable, ElementsAre(UnplayableVideo{wide, {UserText(check.kRule)}}));
  EXPECT_THAT(log(),
              Contains("The video " + wide.string() + " will not play on the PSP: " + check.kRule));
  const std::optional<PromptMessage> message = outcome_message(outcome, false);
  ASSERT_TRUE(message);
  EXPECT_EQ(message->icon, PromptIcon::kWarning);
  EXPECT_EQ(message->text, std::string("This video was made but will not play on the PSP:\n\n"
                                       "Wide.mp4:\n- ") +
                               check.kRule);
  // Nobody would read it before the computer is switched off.
  EXPECT_EQ(outcome_message(outcome, true), std::nullopt);
}

TEST_F(MakeVideoJobTest, ATrackKeptWhereTheMusicWouldGoIsNeitherWrittenOverNorRemoved) {
  Slideshow& first = add_slideshow("First", 1);
  const fs::path kept = temp() / "First.mp2";
  fs::create_directories(temp());
  fs::copy_file(music("kept.mp2", 4), kept);
  first.add_track(kept, project->preferences);
  EXPECT_EQ(run().result, 0);
  EXPECT_THAT(encoded_videos(home.path()), ElementsAre((output_ / "First.mp4").string() + "|" +
                                                       (temp() / "First (2).mp2").string()));
  EXPECT_EQ(test::read_file(kept), "4");
}

TEST_F(MakeVideoJobTest, WithoutMusicTheVideosPlayTheSilentTrack) {
  test::write_file(project->preferences.silent_audio, "silence");
  add_slideshow("Quiet", 1);
  EXPECT_EQ(run().result, 0);
  EXPECT_THAT(encoded_videos(home.path()), ElementsAre((output_ / "Quiet.mp4").string() + "|" +
                                                       project->preferences.silent_audio.string()));
  EXPECT_THAT(listener_.events, ElementsAre("music", "start 0", "end 0 0", "ended 0"));
  EXPECT_EQ(test::read_file(project->preferences.silent_audio), "silence");
}

TEST_F(MakeVideoJobTest, EachSlideshowMovesTheProgressOverItsShareOfTheFrames) {
  add_slideshow("Short", 1);  // 1 s: 29 frames
  add_slideshow("Long", 2);   // 3 s: 89 frames
  std::vector<int> at_second_start;
  listener_.on_slideshow_started = [&](int index) {
    if (index == 1) at_second_start = listener_.positions;
  };
  ASSERT_EQ(run().result, 0);

  EXPECT_EQ(at_second_start.size(), 29u);
  EXPECT_NEAR(at_second_start.back(), 65535 * 29 / 118, 1);
  EXPECT_TRUE(std::is_sorted(listener_.positions.begin(), listener_.positions.end()));
  EXPECT_EQ(listener_.positions.size(), 29u + 89u + 1u);
  EXPECT_EQ(listener_.positions.back(), 65535);
}

TEST_F(MakeVideoJobTest, FailuresEndTheJobAndSayWhatWentWrong) {
  Slideshow& first = add_slideshow("First", 1);
  add_slideshow("Second", 1);
  {
    // A track that cannot be converted: no video is attempted.
    first.add_track(music("broken.mp3", 5), project->preferences);
    test::write_file(first.tracks.back()->source_path(), "5 fails");
    const MakeVideoOutcome outcome = run();
    EXPECT_EQ(outcome.result, 7);
    EXPECT_EQ(outcome.module, FailedModule::kAudioConverter);
    EXPECT_THAT(outcome.reason, HasSubstr("broken.mp3 cannot be converted"));
    EXPECT_EQ(outcome_message(outcome, false), std::nullopt);
    EXPECT_THAT(encoded_videos(home.path()), IsEmpty());
    EXPECT_THAT(listener_.events, ElementsAre("music", "ended 7"));
    first.remove_track(0);
  }
  {
    // The encoder fails: the slideshows after it are not made.
    const test::ScopedEnvironment fail("PICTAVO_FAKE_ENCODER_FAIL", "5:9");
    listener_.events.clear();
    const MakeVideoOutcome outcome = run();
    EXPECT_EQ(outcome.result, 9);
    EXPECT_EQ(outcome.module, FailedModule::kEncoder);
    EXPECT_THAT(outcome.reason, HasSubstr("the video of slideshow \"First\" cannot be made"));
    EXPECT_THAT(listener_.events, ElementsAre("music", "start 0", "end 0 9", "ended 9"));
    EXPECT_TRUE(fs::exists(output_ / "First.THM"));
  }
  {
    // The program's own failure: the message unless the computer is to go off.
    fs::remove(home.path() / kEncoderModule);
    const MakeVideoOutcome outcome = run();
    EXPECT_EQ(outcome.result, 1);
    EXPECT_EQ(outcome.module, FailedModule::kNone);
    EXPECT_THAT(outcome.reason, HasSubstr("cannot load the encoder module"));
    EXPECT_EQ(outcome_message(outcome, false), make_video_failed_message());
    EXPECT_EQ(outcome_message(outcome, true), std::nullopt);
    EXPECT_EQ(outcome_message(outcome, false)->text, "Making the video files failed!");
  }
}

TEST_F(MakeVideoJobTest, WhatAStepThrowsFailsTheJobInsteadOfTheProgram) {
  add_slideshow("First", 1).add_track(music("a.mp3", 2), project->preferences);
  struct Case {
    std::function<void()> thrower;
    const char* reason;
  };
  const Case cases[] = {
      {[] { throw std::bad_alloc(); }, "making the videos failed: there is not enough memory"},
      {[] {
         throw fs::filesystem_error("directory iterator", "/gone",
                                    std::make_error_code(std::errc::no_such_file_or_directory));
       },
       "/gone"},
  };
  for (const Case& c : cases) {
    listener_.events.clear();
    listener_.on_slideshow_started = [&c](int) { c.thrower(); };
    const MakeVideoOutcome outcome = run();
    EXPECT_EQ(outcome.result, 1);
    EXPECT_THAT(outcome.reason, HasSubstr(c.reason));
    EXPECT_EQ(outcome_message(outcome, false), make_video_failed_message());
    EXPECT_THAT(listener_.events, ElementsAre("music", "start 0", "ended 1"));
    EXPECT_FALSE(job_.running());
    EXPECT_FALSE(fs::exists(temp() / "First.mp2"));  // the shared music went all the same
    EXPECT_THAT(log(), testing::Contains(HasSubstr(c.reason)));
  }
  listener_.on_slideshow_started = nullptr;
  EXPECT_EQ(run().result, 0);
}

TEST_F(MakeVideoJobTest, AThreadThatCannotStartLeavesNoJobRunning) {
  add_slideshow("First", 1);
  {
    const test::ThreadStartFailure no_threads;
    const JobStart start = job_.start(order());
    EXPECT_EQ(start.state, JobStartState::kNotStarted);
    EXPECT_EQ(start.message, make_video_failed_message());
    EXPECT_THAT(start.reason, HasSubstr("the job cannot be started"));
    EXPECT_FALSE(job_.running());
    EXPECT_FALSE(job_.request_stop());
  }
  EXPECT_EQ(run().result, 0);
  EXPECT_THAT(listener_.events, ElementsAre("music", "start 0", "end 0 0", "ended 0"));
}

TEST_F(MakeVideoJobTest, APhotoGoneWhileTheJobRunsFailsItsSlideshow) {
  add_slideshow("First", 1);
  const fs::path gone = add_slideshow("Second", 2).photos[1]->prepared_path;
  listener_.on_slideshow_started = [&](int index) {
    if (index == 1) fs::remove(gone);
  };
  const MakeVideoOutcome outcome = run();
  EXPECT_EQ(outcome.result, 1);
  EXPECT_THAT(outcome.reason, HasSubstr(gone.string() + " of slideshow \"Second\" cannot be read"));
  EXPECT_EQ(encoded_videos(home.path()).size(), 1u);
}

TEST_F(MakeVideoJobTest, NothingStartsOrChangesUntilEverySlideshowCanBeMade) {
  const auto refused = [this](JobStartState state) {
    const JobStart start = job_.start(order());
    EXPECT_EQ(start.state, state);
    EXPECT_FALSE(job_.running());
    EXPECT_FALSE(fs::exists(output_));
    return start;
  };
  EXPECT_EQ(refused(JobStartState::kNothingToMake).message, std::nullopt);

  add_slideshow("Empty", 0);
  EXPECT_EQ(refused(JobStartState::kEmptySlideshow).message, empty_slideshow_message("Empty"));
  project->remove_slideshow(0);

  const fs::path photo = add_slideshow("Trip", 2).photos[1]->prepared_path;
  fs::remove(photo);
  const JobStart start = refused(JobStartState::kUnreadablePhoto);
  EXPECT_EQ(start.message, unreadable_photo_message(photo, "Trip"));
  EXPECT_THAT(start.reason, HasSubstr(photo.string()));
  EXPECT_THAT(log(), ::testing::Not(::testing::Contains(HasSubstr("Created output"))));
}

TEST_F(MakeVideoJobTest, AChosenFolderLosesOnlyWhatEarlierRunsLeftThere) {
  add_slideshow("Trip", 1);
  test::write_file(output_ / "Trip.mp4", "old video");
  test::write_file(output_ / "Trip.THM", "old thumbnail");
  test::write_file(output_ / "notes.txt", "the user's");
  JobStart start = job_.start(order());
  EXPECT_EQ(start.state, JobStartState::kOutputHoldsOtherFiles);
  EXPECT_EQ(start.message, output_folder_not_emptied_message());
  EXPECT_THAT(start.reason, HasSubstr("notes.txt"));
  EXPECT_EQ(test::read_file(output_ / "Trip.mp4"), "old video");
  EXPECT_EQ(test::read_file(output_ / "notes.txt"), "the user's");

  fs::remove(output_ / "notes.txt");
  EXPECT_EQ(run().result, 0);
  EXPECT_FALSE(fs::exists(output_ / "Trip.mp4"));  // the test encoder writes nothing
  EXPECT_NE(test::read_file(output_ / "Trip.THM"), "old thumbnail");

  // The project's own Output folder is emptied whole.
  output_ = project->default_setting.output_folder;
  test::write_file(output_ / "old" / "notes.txt");
  EXPECT_EQ(run().result, 0);
  EXPECT_FALSE(fs::exists(output_ / "old"));

  // A folder that cannot be made.
  test::write_file(files / "a file");
  output_ = files / "a file" / "videos";
  start = job_.start(order());
  EXPECT_EQ(start.state, JobStartState::kOutputNotWritable);
  EXPECT_EQ(start.message, output_folder_not_writable_message(output_));
}

TEST_F(MakeVideoJobTest, AWorkingFolderTheUserChoseKeepsItsFilesAndLeftoversOfAKillGo) {
  add_slideshow("Trip", 1);
  choose_working_folder(*project, files / "mine");
  output_ = project->default_setting.output_folder;
  test::write_file(output_ / "holiday.mp4", "the user's");
  test::write_file(output_ / "trips" / "notes.txt", "the user's");
  EXPECT_EQ(job_.start(order()).state, JobStartState::kOutputHoldsOtherFiles);
  EXPECT_EQ(test::read_file(output_ / "holiday.mp4"), "the user's");
  EXPECT_EQ(test::read_file(output_ / "trips" / "notes.txt"), "the user's");

  fs::remove(output_ / "holiday.mp4");
  fs::remove_all(output_ / "trips");
  test::write_file(output_ / ".Trip.mp4.pictavo-a1B2c3", "half a video");
  EXPECT_EQ(run().result, 0);
  EXPECT_FALSE(fs::exists(output_ / ".Trip.mp4.pictavo-a1B2c3"));
  EXPECT_TRUE(fs::exists(output_ / "Trip.THM"));
}

TEST_F(MakeVideoJobTest, AStopDuringTheMusicEndsQuietlyWithoutAnyVideo) {
  add_slideshow("Trip", 1).add_track(music("a.mp3", 4), project->preferences);
  listener_.on_music = [this] { EXPECT_TRUE(job_.request_stop()); };
  const MakeVideoOutcome outcome = run();
  EXPECT_EQ(outcome.result, 2);
  EXPECT_THAT(outcome.reason, IsEmpty());
  EXPECT_EQ(outcome_message(outcome, false), make_video_stopped_message());
  EXPECT_TRUE(job_.wait_for_done(std::chrono::milliseconds(0)));
  EXPECT_THAT(encoded_videos(home.path()), IsEmpty());
  EXPECT_THAT(listener_.events, ElementsAre("music", "ended 2"));
}

TEST_F(MakeVideoJobTest, ACancelAfterTheLastStopTestEndsWithTheJob) {
  add_slideshow("Trip", 1);
  std::promise<void> past_last_test;
  std::promise<void> cancel_requested;
  listener_.on_slideshow_finished = [&](int) {
    past_last_test.set_value();
    cancel_requested.get_future().wait();
  };
  ASSERT_EQ(job_.start(order()).state, JobStartState::kStarted);
  past_last_test.get_future().wait();
  EXPECT_TRUE(job_.request_stop());
  cancel_requested.set_value();
  job_.cancel();  // returns: the job ends after the request and sets the done event
  EXPECT_EQ(job_.wait().result, 0);
  job_.cancel();  // nothing runs: nothing to wait for

  // The stop that came too late does not stop the next job.
  listener_.on_slideshow_finished = nullptr;
  listener_.positions.clear();
  EXPECT_EQ(run().result, 0);
  EXPECT_EQ(listener_.positions.size(), 30u);
}

}  // namespace
}  // namespace pictavo
