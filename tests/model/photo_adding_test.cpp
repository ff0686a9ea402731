#include "model/photo_adding.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "editing_fixture.h"
#include "model/project_messages.h"
#include "support/files.h"

namespace pictavo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

using PhotoAdding = test::EditingTest;

TEST_F(PhotoAdding, ASlideshowGetsTheDefaultMusicAndEveryPhotoThatDecodes) {
  std::ofstream(files / "notes.png") << "no picture";
  const std::vector<std::filesystem::path> chosen{photo("a.png"), files / "notes.png",
                                                  photo("b.png")};
  project->modified = false;
  const int index =
      create_slideshow_with_photos(*project, project->make_default_slideshow_name(), chosen);
  ASSERT_EQ(index, 0);
  const Slideshow& slideshow = *project->slideshows[0];
  EXPECT_EQ(slideshow.name(), "Slideshow_0");
  EXPECT_EQ(project->current_slideshow, 0);
  ASSERT_EQ(slideshow.photos.size(), 2u);
  EXPECT_EQ(slideshow.photos[1]->source_path, files / "b.png");
  ASSERT_EQ(slideshow.tracks.size(), 1u);
  EXPECT_EQ(slideshow.tracks[0]->source_path(), project->preferences.default_music);
  EXPECT_EQ(project->preferences.fd_search_path, files.path());
  EXPECT_TRUE(project->modified);
  EXPECT_EQ(project->total_frames, 177);
  EXPECT_EQ(observer.notices.back(), ProjectNotice::kTotalsChanged);
  EXPECT_THAT(test::read_file(project->preferences.log_path),
              HasSubstr(": Add Slideshow named Slideshow_0\n"));
}

TEST_F(PhotoAdding, ARefusedNameIsShownAndNothingIsMade) {
  project->add_slideshow("Trip");
  const std::vector<std::filesystem::path> chosen{photo("a.png")};
  EXPECT_EQ(create_slideshow_with_photos(*project, "Trip", chosen), -1);
  EXPECT_THAT(prompt.shown, ElementsAre(slideshow_name_message()));
  EXPECT_EQ(prompt.shown[0].text, "Slideshow name conflict or is NULL!");
  EXPECT_EQ(prompt.shown[0].icon, PromptIcon::kQuestion);
  EXPECT_EQ(project->slideshow_count(), 1);
}

TEST_F(PhotoAdding, WithoutPhotosTheNewSlideshowGoesAgain) {
  project->add_slideshow("Trip");
  std::ofstream(files / "notes.png") << "no picture";
  const std::vector<std::filesystem::path> unusable{files / "notes.png"};
  EXPECT_EQ(create_slideshow_with_photos(*project, "Empty", unusable), -1);
  EXPECT_EQ(create_slideshow_with_photos(*project, "Cancelled", {}), -1);
  EXPECT_EQ(project->slideshow_count(), 1);
  EXPECT_EQ(project->current()->name(), "Trip");
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(PhotoAdding, PhotosPastTheSizeLimitAreTakenBackAndTheRestStillTried) {
  // About 1025 MB a second: one photo (0 whole seconds) fits, two (5 s) do not.
  project->profiles.current_profile()->parameter(ProfileParameterId::kVideoBitrate).current.text =
      "8000000";
  project->add_slideshow("Trip");
  const std::vector<std::filesystem::path> chosen{photo("a.png"), photo("b.png"), photo("c.png")};
  const PhotoFilesResult result = add_photo_files(*project, *project->current(), chosen);
  EXPECT_EQ(result.added, 1);
  EXPECT_TRUE(result.limit_reached);
  EXPECT_EQ(project->current()->photos.size(), 1u);
  EXPECT_EQ(project->estimated_mb, 0.0f);
  EXPECT_FALSE(project->over_hard_limit());
  EXPECT_TRUE(prompt.shown.empty());
}

}  // namespace
}  // namespace pictavo
