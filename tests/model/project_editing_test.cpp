// The project's slideshow list, its totals and size estimate.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "editing_fixture.h"
#include "model/project_messages.h"
#include "model/project_start.h"

namespace pictavo {
namespace {

using ::testing::ElementsAre;

class ProjectEditing : public test::EditingTest {
 protected:
  std::string names() const {
    std::string text;
    for (const auto& slideshow : project->slideshows)
      text += slideshow->name() + "#" + std::to_string(slideshow->number) + " ";
    return text;
  }

  // A project whose estimate is `seconds` × (kilobits × 1.05 / 8192) MB: PAL,
  // one slideshow of seconds × 25 frames, the profile's bitrates summing to kilobits.
  void estimate(int kilobits, int seconds) {
    project->default_setting.tv_system = 1;
    if (project->slideshows.empty()) {
      project->add_slideshow("Long");
      project->slideshows.front()->add_photo(photo("long.png"), project->default_setting);
    }
    // Longer than any photo may be shown, so that one photo gives any length.
    Slideshow& slideshow = *project->slideshows.front();
    slideshow.photos.front()->setting.effect.display_seconds = seconds;
    slideshow.update_length();
    OutputProfile& profile = *project->profiles.current_profile();
    profile.parameter(ProfileParameterId::kVideoBitrate).current.text =
        std::to_string(kilobits - 128);
    profile.parameter(ProfileParameterId::kAudioBitrate).current.text = "128";
    prompt.shown.clear();
    project->update_totals();
  }
};

TEST_F(ProjectEditing, DefaultNamesCountUpFromTheNumberOfSlideshows) {
  EXPECT_EQ(project->make_default_slideshow_name(), "Slideshow_0");
  project->add_slideshow("Slideshow_0");
  project->add_slideshow("Slideshow_2");
  EXPECT_EQ(project->make_default_slideshow_name(), "Slideshow_3");
  project->add_slideshow("Slideshow_3");
  EXPECT_EQ(project->make_default_slideshow_name(), "Slideshow_4");
}

TEST_F(ProjectEditing, AddingRefusesRepeatedAndEmptyNamesAndTheFiftyFirst) {
  EXPECT_EQ(project->add_slideshow("A twenty character n"), 0);
  EXPECT_EQ(project->slideshows[0]->name(), "A twenty charac");
  EXPECT_EQ(project->add_slideshow("A twenty charac"), 1);
  EXPECT_EQ(project->add_slideshow("A twenty character n"), 1);
  EXPECT_EQ(project->add_slideshow(""), 1);
  project->modified = false;
  EXPECT_EQ(project->add_slideshow(""), 1);
  EXPECT_TRUE(project->modified);  // even a refusal counts as a change

  for (int i = 1; i < 50; ++i)
    ASSERT_EQ(project->add_slideshow("S" + std::to_string(i)), 0);
  EXPECT_TRUE(prompt.shown.empty());
  EXPECT_EQ(project->add_slideshow("One too many"), 1);
  EXPECT_THAT(prompt.shown, ElementsAre(slideshow_limit_message(50)));
  EXPECT_EQ(prompt.shown[0].text, "You have reached the limit of 50 slideshows!");
  EXPECT_EQ(project->slideshow_count(), 50);
  EXPECT_EQ(project->current_slideshow, 49);
  EXPECT_EQ(project->slideshows[49]->number, 49);
  EXPECT_EQ(project->slideshows[49]->cover_path,
            project->preferences.working_folder / "temp" / "cover_S49.bmp");
}

TEST_F(ProjectEditing, RemovingKeepsTheCurrentIndexOnASlideshow) {
  for (const char* name : {"A", "B", "C", "D"})
    project->add_slideshow(name);
  project->list_changed = false;
  EXPECT_EQ(project->remove_slideshow(1), 0);  // before the current one
  EXPECT_EQ(project->current_slideshow, 2);
  EXPECT_EQ(names(), "A#0 C#1 D#2 ");
  EXPECT_TRUE(project->list_changed);
  EXPECT_EQ(project->remove_slideshow(2), 0);  // the current one itself
  EXPECT_EQ(project->current_slideshow, 1);
  EXPECT_EQ(project->remove_slideshow(2), 1);
  EXPECT_EQ(project->remove_slideshow(-1), 1);
  project->current_slideshow = 0;
  EXPECT_EQ(project->remove_slideshow(0), 0);
  EXPECT_EQ(project->current_slideshow, 0);
  project->remove_all_slideshows();
  EXPECT_EQ(project->current_slideshow, -1);
  EXPECT_EQ(project->current(), nullptr);
}

TEST_F(ProjectEditing, RenamingCutsAtFifteenAndRefusesTakenAndEmptyNames) {
  Slideshow& first = slideshow_with_photos(1);
  project->add_slideshow("Other");
  const std::filesystem::path old_cover = first.cover_path;
  ASSERT_TRUE(std::filesystem::exists(old_cover));
  project->modified = false;
  EXPECT_EQ(project->rename_slideshow(0, "Summer holidays 2024"), 0);
  EXPECT_EQ(first.name(), "Summer holidays");
  EXPECT_TRUE(project->modified);
  EXPECT_EQ(first.cover_path, old_cover.parent_path() / "cover_Summer holidays.bmp");
  EXPECT_TRUE(std::filesystem::exists(first.cover_path));
  EXPECT_EQ(first.stream_path.filename(), "Summer holidays.m2v");

  EXPECT_EQ(project->rename_slideshow(0, "Summer holidays"), 0);  // its own name
  for (const char* refused : {"Other", ""})
    EXPECT_EQ(project->rename_slideshow(0, refused), 1) << refused;
  EXPECT_EQ(project->rename_slideshow(2, "New"), 1);
  EXPECT_EQ(names(), "Summer holidays#0 Other#1 ");
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(ProjectEditing, MovingSwapsNeighboursAndTheCurrentIndexFollows) {
  for (const char* name : {"A", "B", "C"})
    project->add_slideshow(name);
  project->current_slideshow = 1;
  EXPECT_EQ(project->move_slideshow_up(0), 0);
  EXPECT_EQ(names(), "A#0 B#1 C#2 ");
  EXPECT_EQ(project->move_slideshow_down(2), 0);
  EXPECT_EQ(names(), "A#0 B#1 C#2 ");
  EXPECT_EQ(project->move_slideshow_up(1), 0);
  EXPECT_EQ(names(), "B#0 A#1 C#2 ");
  EXPECT_EQ(project->current()->name(), "B");
  EXPECT_EQ(project->move_slideshow_down(1), 0);  // the neighbour of the current one
  EXPECT_EQ(names(), "B#0 C#1 A#2 ");
  EXPECT_EQ(project->current()->name(), "B");
  EXPECT_EQ(project->move_slideshow_up(3), 1);
  EXPECT_EQ(project->move_slideshow_down(-1), 1);
}

TEST_F(ProjectEditing, TotalsSumTheSlideshowsAndTellTheFrontEnd) {
  Slideshow& first = slideshow_with_photos(2);
  project->add_slideshow("Other");
  project->slideshows[1]->add_photo(photo("x.png"), project->default_setting);
  observer.notices.clear();
  project->update_totals();
  EXPECT_EQ(first.total_frames, 239);
  EXPECT_EQ(project->total_frames, 239 + 89);
  EXPECT_EQ(project->total_seconds(), 11);
  // (video + audio kb/s) × 1.05 / 8192 MB for each of the 11 seconds, in single precision.
  const OutputProfile& profile = *project->profiles.current_profile();
  const int kilobits = std::stoi(profile.value(ProfileParameterId::kVideoBitrate)) +
                       std::stoi(profile.value(ProfileParameterId::kAudioBitrate));
  EXPECT_EQ(project->estimated_mb,
            11.0f * (static_cast<float>(kilobits) * 1.05f * (1.0f / 8192.0f)));
  EXPECT_THAT(observer.notices, ElementsAre(ProjectChange::Kind::kTotalsChanged));
  EXPECT_EQ(project->photo_count(), 3);
  // A phone or TV profile's 30 frames a second count, not the TV system's.
  choose_output_profile(*project, 5);
  project->update_totals();
  EXPECT_EQ(project->total_frames, (8 + 3) * 30);
}

TEST_F(ProjectEditing, TheSizeWarningStartsAboveFourThousandMegabytes) {
  estimate(1070, 29166);
  EXPECT_EQ(project->estimated_mb, 4000.0f);
  EXPECT_TRUE(prompt.shown.empty());
  estimate(10240, 3048);
  EXPECT_EQ(project->estimated_mb, 4000.5f);
  EXPECT_THAT(prompt.shown, ElementsAre(size_warning_message()));
  EXPECT_EQ(prompt.shown[0].text,
            "The videos would be over 4000 MB! Please delete some pictures or shorten the display "
            "time in Settings!");
}

TEST_F(ProjectEditing, SavedSettingsRefreshTheTotalsWithoutWarningAgain) {
  estimate(10240, 3048);
  prompt.shown.clear();
  observer.notices.clear();
  project->settings_changed();
  EXPECT_TRUE(prompt.shown.empty());
  EXPECT_THAT(observer.notices, ElementsAre(ProjectChange::Kind::kTotalsChanged,
                                            ProjectChange::Kind::kSettingsChanged));
}

TEST_F(ProjectEditing, TheHardLimitStartsAboveFourThousandFiveHundred) {
  estimate(1190, 29503);
  EXPECT_EQ(project->estimated_mb, 4500.0f);
  EXPECT_FALSE(project->over_hard_limit());
  estimate(1190, 29504);
  EXPECT_TRUE(project->over_hard_limit());
}

TEST_F(ProjectEditing, HugeLengthsAndBitratesNeitherOverflowNorWrap) {
  slideshow_with_photos(1);
  project->add_slideshow("Second");
  project->slideshows[1]->add_photo(photo("x.png"), project->default_setting);
  for (const auto& slideshow : project->slideshows) {
    slideshow->photos.front()->setting.effect.display_seconds = 70'000'000;
    slideshow->update_length();
  }
  OutputProfile& profile = *project->profiles.current_profile();
  profile.parameter(ProfileParameterId::kVideoBitrate).current.text = "99999999999";
  project->update_totals();
  EXPECT_EQ(project->total_frames, 2147483647);
  EXPECT_GT(project->estimated_mb, 4500.0f);
}

TEST_F(ProjectEditing, VideoAndMusicPathsFollowTheProfileAndTheFirstSlideshow) {
  EXPECT_EQ(project->music_path(), "");
  project->add_slideshow("Trip");
  project->add_slideshow("Home");
  EXPECT_EQ(project->music_path(), project->preferences.silent_audio);
  project->slideshows[0]->add_default_track(project->preferences);
  EXPECT_EQ(project->music_path(), project->preferences.working_folder / "temp" / "Trip.mp2");
  project->share_first_music();
  EXPECT_EQ(project->slideshows[1]->music_path, project->slideshows[0]->music_path);
  project->set_video_outputs();
  EXPECT_EQ(project->slideshows[1]->video_path,
            project->default_setting.output_folder / "Home.mp4");
}

TEST_F(ProjectEditing, ApplyingToAllReachesEveryPhotoAndTheLengths) {
  Slideshow& slideshow = slideshow_with_photos(2);
  const ImageEffect motion = slideshow.photos[1]->setting.effect.image_effect;
  project->default_setting.effect.display_seconds = 8;
  project->default_setting.effect.category = ImageEffectCategory::kPan;
  project->modified = false;
  EXPECT_TRUE(project->apply_default_times_to_all());
  EXPECT_TRUE(project->modified);
  for (const auto& photo : slideshow.photos)
    EXPECT_EQ(photo->setting.effect.display_seconds, 8);
  EXPECT_EQ(slideshow.photos[1]->setting.effect.image_effect, motion);
  const int ntsc_frames = slideshow.total_frames;
  project->default_setting.tv_system = 1;
  project->apply_tv_system_to_all();
  EXPECT_EQ(slideshow.photos[1]->setting.tv_system, 1);
  EXPECT_LT(slideshow.total_frames, ntsc_frames);
  // The videos are still made at the chosen profile's rate.
  EXPECT_EQ(project->total_frames, ntsc_frames);
}

}  // namespace
}  // namespace pictavo
