#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "edit/edit_history.h"
#include "edit/relink_commands.h"
#include "model/editing_fixture.h"
#include "model/photo_relinking.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

class Relinking : public test::EditingTest {
 protected:
  std::vector<fs::path> sources() const {
    std::vector<fs::path> paths;
    for (const auto& photo : project->current()->photos)
      paths.push_back(photo->source_path);
    return paths;
  }
};

TEST_F(Relinking, MovedPhotosAreFoundByNameAndFoldersAndTheStepIsUndone) {
  // Two days with a photo of the same name each, a photo of its own, one whose
  // name is twice in the new place with nothing to choose, and one that is gone.
  for (const char* folder : {"trip/day1", "trip/day2", "moved/x", "moved/y"})
    fs::create_directories(files / folder);
  const std::vector<fs::path> stored{photo("trip/day1/a.png"), photo("trip/day2/a.png"),
                                     photo("trip/b.png"), photo("c.png"), photo("gone.png")};
  project->add_slideshow("Trip");
  for (const fs::path& path : stored)
    ASSERT_EQ(project->current()->add_photo(path, project->default_setting), 0);
  fs::rename(files / "trip", files / "moved" / "trip");
  fs::rename(files / "c.png", files / "moved" / "x" / "c.png");
  fs::copy_file(files / "moved" / "x" / "c.png", files / "moved" / "y" / "c.png");
  fs::remove(files / "gone.png");
  for (const auto& photo : project->current()->photos)
    photo->missing = true;

  const RelinkSearch search = find_moved_photos(*project, files / "moved");
  ASSERT_EQ(search.found.size(), 3u);
  EXPECT_EQ(search.not_found, (std::vector<fs::path>{stored[3], stored[4]}));

  EditHistory history(*project);
  ASSERT_TRUE(history.run(relink_photos_edit(search.found)));
  EXPECT_EQ(history.undo_name(), "Relink Photos");
  const fs::path moved = files / "moved" / "trip";
  EXPECT_EQ(sources(), (std::vector<fs::path>{moved / "day1" / "a.png", moved / "day2" / "a.png",
                                              moved / "b.png", stored[3], stored[4]}));
  EXPECT_EQ(project->missing_photos(), (std::vector<fs::path>{stored[3], stored[4]}));
  EXPECT_EQ(project->current()->photos[0]->prepared_path, moved / "day1" / "a.png");
  EXPECT_GT(project->current()->photos[0]->file_size, 0u);

  history.undo();
  EXPECT_EQ(sources(), stored);
  EXPECT_EQ(project->missing_photos(), stored);
  history.redo();
  EXPECT_EQ(project->missing_photos().size(), 2u);
}

}  // namespace
}  // namespace pictavo
