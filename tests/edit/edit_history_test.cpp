#include "edit/edit_history.h"

#include <gtest/gtest.h>

#include "../model/editing_fixture.h"
#include "edit/caption_commands.h"
#include "edit/photo_commands.h"
#include "edit/picture_commands.h"
#include "edit/slideshow_commands.h"
#include "model/unsaved_changes.h"

namespace pictavo {
namespace {

class EditHistoryTest : public test::EditingTest {
 protected:
  int display_seconds(int index) const {
    return project->slideshows.front()
        ->photos[static_cast<std::size_t>(index)]
        ->setting.effect.display_seconds;
  }
};

TEST_F(EditHistoryTest, TypingADurationIsOneStepAndTheSavedPointIsKept) {
  const ModelId show = slideshow_with_photos(3).id();
  EditHistory history(*project);
  history.mark_saved();
  ASSERT_TRUE(history.run(display_seconds_edit(show, {1}, 1)));
  // Digits typed after the save merge with each other, never into the saved step.
  history.mark_saved();
  EXPECT_FALSE(project->modified);
  ASSERT_TRUE(history.run(display_seconds_edit(show, {1}, 12)));
  ASSERT_TRUE(history.run(display_seconds_edit(show, {1}, 15)));
  EXPECT_TRUE(project->modified);
  EXPECT_TRUE(has_unsaved_changes());
  EXPECT_EQ(history.undo_name(), "Change Display Time");

  history.undo();
  EXPECT_EQ(display_seconds(1), 1);
  EXPECT_FALSE(project->modified);
  EXPECT_FALSE(has_unsaved_changes());
  history.undo();
  EXPECT_EQ(display_seconds(1), 3);
  EXPECT_TRUE(project->modified);
  history.redo();
  history.redo();
  EXPECT_EQ(display_seconds(1), 15);

  // Another photo's time, or another field, is a step of its own.
  ASSERT_TRUE(history.run(display_seconds_edit(show, {0}, 9)));
  ASSERT_TRUE(history.run(transition_seconds_edit(show, {0}, 4)));
  history.undo();
  history.undo();
  EXPECT_EQ(display_seconds(0), 3);
  EXPECT_EQ(display_seconds(1), 15);
}

TEST_F(EditHistoryTest, TypingACaptionIsOneStepAndTheAutomaticCaptionIsUndone) {
  Slideshow& slideshow = slideshow_with_photos(3);
  EditHistory history(*project);
  ASSERT_TRUE(history.run(caption_edit(slideshow.id(), {2, 0}, "P")));
  ASSERT_TRUE(history.run(caption_edit(slideshow.id(), {0, 2}, "Pond\tday")));
  EXPECT_EQ(slideshow.photos[0]->caption, "Pond day");
  EXPECT_EQ(slideshow.photos[1]->caption, "");
  EXPECT_FALSE(history.run(caption_edit(slideshow.id(), {0}, "Pond day")));
  EXPECT_FALSE(history.run(caption_edit(slideshow.id(), {3}, "Gone")));
  ASSERT_TRUE(history.run(
      slideshow_captions_edit(slideshow.id(), {AutoCaption::kDateTaken, CaptionPlacement::kTop})));
  EXPECT_EQ(history.undo_name(), "Change Automatic Caption");
  history.undo();
  EXPECT_EQ(slideshow.captions, SlideshowCaptions{});
  EXPECT_EQ(history.undo_name(), "Change Caption");
  history.undo();
  EXPECT_EQ(slideshow.photos[2]->caption, "");
  history.redo();
  EXPECT_EQ(slideshow.photos[2]->caption, "Pond day");
}

TEST_F(EditHistoryTest, ANewStepDropsTheUndoneOnesAndTheBoundDropsTheOldest) {
  const ModelId show = slideshow_with_photos(3).id();
  EditHistory history(*project, 2);
  ASSERT_TRUE(history.run(cover_edit(show, 1)));
  history.mark_saved();
  history.undo();
  ASSERT_TRUE(history.run(cover_edit(show, 2)));
  // The saved state lay on the dropped branch: no undo or redo reaches it again.
  EXPECT_FALSE(history.can_redo());
  history.undo();
  EXPECT_TRUE(project->modified);

  history.redo();
  ASSERT_TRUE(history.run(move_photo_edit(show, 0, false)));
  ASSERT_TRUE(history.run(move_photo_edit(show, 1, false)));
  history.undo();
  history.undo();
  EXPECT_FALSE(history.can_undo());
  EXPECT_EQ(project->slideshows.front()->cover_index, 2);
  EXPECT_FALSE(history.run(cover_edit(show, 2))) << "a step that changes nothing is not kept";
  EXPECT_EQ(history.redo_name(), "Move Photo");
}

// Tells each notice with the number of slideshows the project has when it arrives.
class CountingObserver final : public ProjectObserver {
 public:
  explicit CountingObserver(const Project& project) : project_(project) {}
  void project_changed(const ProjectChange& change) override {
    seen.emplace_back(change.kind, project_.slideshow_count());
  }
  std::vector<std::pair<ProjectChange::Kind, int>> seen;

 private:
  const Project& project_;
};

TEST_F(EditHistoryTest, ASlideshowLeftWithoutPhotosGoesAndComesBack) {
  slideshow_with_photos(1);
  const ModelId show = project->slideshows.front()->id();
  EditHistory history(*project);
  CountingObserver counting(*project);
  project->front_end.observer = &counting;
  ASSERT_TRUE(history.run(remove_photos_edit(show, {0})));
  EXPECT_TRUE(project->slideshows.empty());
  // The step's notices arrive once it is complete: the slideshow is gone already.
  using Kind = ProjectChange::Kind;
  EXPECT_EQ(counting.seen, (std::vector<std::pair<Kind, int>>{{Kind::kPhotosRemoved, 0},
                                                              {Kind::kSlideshowRemoved, 0},
                                                              {Kind::kTotalsChanged, 0}}));
  counting.seen.clear();
  history.undo();
  EXPECT_EQ(counting.seen, (std::vector<std::pair<Kind, int>>{{Kind::kSlideshowAdded, 1},
                                                              {Kind::kCoverChanged, 1},
                                                              {Kind::kPhotosInserted, 1},
                                                              {Kind::kTotalsChanged, 1}}));
  ASSERT_EQ(project->slideshow_count(), 1);
  EXPECT_EQ(project->slideshows.front()->id(), show);
  EXPECT_EQ(project->slideshows.front()->photos.size(), 1u);
  EXPECT_EQ(project->current_slideshow, 0);
  EXPECT_FALSE(history.run(remove_photos_edit(show, {4}))) << "no photo 4";

  // A refused change leaves a saved project unmodified.
  history.mark_saved();
  EXPECT_FALSE(history.run(add_photos_edit(show, {music("notes.mp3", 3)})));
  EXPECT_FALSE(project->modified);
  EXPECT_FALSE(has_unsaved_changes());
}

TEST_F(EditHistoryTest, EditedPicturesStayWhileAStepKeepsThemAndGoWithTheirLastStep) {
  const ModelId show = slideshow_with_photos(2).id();
  const PhotoItem& photo = *project->slideshows.front()->photos[0];
  EditHistory history(*project);
  const TakenPicture held = [&](const std::filesystem::path& path) {
    return history.holds_picture(path);
  };
  ASSERT_TRUE(history.run(rotate_photos_edit(show, {0}, QuarterTurn::kLeft, held)));
  const std::filesystem::path first = photo.prepared_path;
  ASSERT_TRUE(history.run(rotate_photos_edit(show, {0}, QuarterTurn::kLeft, held)));
  const std::filesystem::path second = photo.prepared_path;
  EXPECT_NE(second, first) << "the first turn's picture is kept for an undo";
  EXPECT_EQ(photo.edits.size(), 2u);

  history.undo();
  EXPECT_EQ(photo.prepared_path, first);
  EXPECT_EQ(photo.edits.size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(second)) << "kept for a redo";
  ASSERT_TRUE(history.run(cover_edit(show, 1)));
  EXPECT_FALSE(std::filesystem::exists(second)) << "no step can bring it back";
  EXPECT_TRUE(std::filesystem::exists(first));
  history.undo();
  history.undo();
  EXPECT_EQ(photo.prepared_path, photo.source_path);
  EXPECT_TRUE(std::filesystem::exists(photo.source_path));
}

}  // namespace
}  // namespace pictavo
