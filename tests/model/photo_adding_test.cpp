#include "model/photo_adding.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <string>
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
  EXPECT_EQ(project->total_frames, 239);
  EXPECT_EQ(observer.notices.back(), ProjectChange::Kind::kTotalsChanged);
  EXPECT_THAT(test::read_file(project->preferences.log_path),
              HasSubstr(": Add Slideshow named Slideshow_0\n"));
}

TEST_F(PhotoAdding, ARefusedNameIsShownAndNothingIsMade) {
  project->add_slideshow("Trip");
  const std::vector<std::filesystem::path> chosen{photo("a.png")};
  EXPECT_EQ(create_slideshow_with_photos(*project, "Trip", chosen), -1);
  EXPECT_THAT(prompt.shown, ElementsAre(slideshow_name_message()));
  EXPECT_EQ(prompt.shown[0].text, "The slideshow name is empty or already in use!");
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
  ASSERT_EQ(prompt.shown.size(), 1u);  // only the file that is no picture, by name
  EXPECT_EQ(prompt.shown[0].text,
            "1 file could not be added: notes.png (not a picture Pictavo can read).");
}

TEST_F(PhotoAdding, PhotosPastTheSizeLimitAreTakenBackAndTheRestStillTried) {
  // About 1025 MB a second: one photo (2 whole seconds) fits, two (7 s) do not.
  project->profiles.current_profile()->parameter(ProfileParameterId::kVideoBitrate).current.text =
      "8000000";
  project->add_slideshow("Trip");
  const std::vector<std::filesystem::path> chosen{photo("a.png"), photo("b.png"), photo("c.png")};
  const PhotoFilesResult result = add_photo_files(*project, *project->current(), chosen);
  EXPECT_EQ(result.added, 1);
  EXPECT_TRUE(result.limit_reached);
  EXPECT_EQ(project->current()->photos.size(), 1u);
  EXPECT_FALSE(project->over_hard_limit());
  EXPECT_TRUE(prompt.shown.empty());
}

class FolderImport : public test::EditingTest {
 protected:
  // The folder `folder` under the test's files with the photos `names`.
  std::filesystem::path folder_with(const std::string& folder,
                                    std::initializer_list<const char*> names) {
    std::filesystem::create_directories(files / folder);
    for (const char* name : names)
      photo(folder + "/" + name);
    return files / folder;
  }

  std::vector<std::string> slideshow_names() const {
    std::vector<std::string> names;
    for (const auto& slideshow : project->slideshows)
      names.push_back(slideshow->name() + ":" + std::to_string(slideshow->photos.size()));
    return names;
  }
};

TEST_F(FolderImport, EachFolderWithPicturesBecomesASlideshowNamedAfterIt) {
  const std::filesystem::path notes = files / "notes";
  test::write_file(notes / "a.txt");
  test::write_file(notes / "b.txt");
  const std::vector<std::filesystem::path> folders{
      folder_with("one/Trip", {"b.png", "a.PNG"}), notes,
      folder_with("two/Trip/", {"c.png"}),  // a path ending in a separator
      folder_with("three/Trip", {"d.png"}), folder_with("Summer holidays 2024", {"e.png"})};
  test::write_file(files / "one" / "Trip" / "readme.txt");
  folder_with("one/Trip/inner", {"f.png"});  // subfolders are not imported

  const FolderImportResult result = import_folders(*project, folders);
  EXPECT_EQ(result.slideshows, 4);
  EXPECT_FALSE(result.limit_reached);
  EXPECT_THAT(slideshow_names(), ElementsAre("Trip:2", "Trip+:1", "Trip++:1", "Summer holidays:1"));
  EXPECT_EQ(project->slideshows[0]->photos[0]->source_path, folders[0] / "a.PNG");
  EXPECT_EQ(project->slideshows[0]->tracks.size(), 1u);
  EXPECT_EQ(project->current_slideshow, 3);
  EXPECT_TRUE(prompt.shown.empty());

  // Names of 15 characters make room for the "+".
  import_folders(*project, std::vector<std::filesystem::path>{folders[4]});
  EXPECT_EQ(project->slideshows.back()->name(), "Summer holiday+");
}

TEST_F(FolderImport, FoldersWithoutPicturesAddNothingAndSayNothing) {
  test::write_file(files / "notes" / "a.txt");
  const std::vector<std::filesystem::path> folders{files / "notes", files / "missing"};
  const FolderImportResult result = import_folders(*project, folders);
  EXPECT_EQ(result.slideshows, 0);
  EXPECT_EQ(project->slideshow_count(), 0);
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(FolderImport, TheSizeLimitStopsAfterTheFolderAndIsShown) {
  // As above: one photo fits the limit, two do not.
  project->profiles.current_profile()->parameter(ProfileParameterId::kVideoBitrate).current.text =
      "8000000";
  const std::vector<std::filesystem::path> folders{folder_with("A", {"a.png", "b.png"}),
                                                   folder_with("B", {"c.png"})};
  const FolderImportResult result = import_folders(*project, folders);
  EXPECT_EQ(result.slideshows, 1);
  EXPECT_TRUE(result.limit_reached);
  EXPECT_THAT(slideshow_names(), ElementsAre("A:1"));
  EXPECT_THAT(prompt.shown, ElementsAre(too_many_images_message()));
  EXPECT_EQ(prompt.shown[0].text, "You cannot add more pictures than the output disk can hold!");
}

}  // namespace
}  // namespace pictavo
