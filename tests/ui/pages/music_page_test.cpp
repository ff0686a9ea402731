// The Music page as the user drives it: the project's tracks in the list, their
// playing, and the slideshow preview with its music.
#include "ui/pages/music_page.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPushButton>
#include <functional>
#include <string>
#include <vector>

#include "model/photo_adding.h"
#include "model/project_messages.h"
#include "modules/media_tools.h"
#include "support/files.h"
#include "support/scoped_environment.h"
#include "ui/app/main_window.h"
#include "ui/ui_test.h"
#include "ui/widgets/music_list.h"
#include "ui/widgets/preview_widget.h"
#include "ui/widgets/project_tree.h"

namespace pictavo {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr MusicPage::Button kTrackButtons[] = {
    MusicPage::kAdd,       MusicPage::kDelete,    MusicPage::kUp,        MusicPage::kDown,
    MusicPage::kPlayMusic, MusicPage::kStopMusic, MusicPage::kFitToMusic};

// A project whose first slideshow holds two photos and the default music (25 s),
// shown on the Music page.
class MusicPageTest : public test::UiTest {
 protected:
  MusicPageTest() : page(*window->music_page()) {
    add_slideshow({"a.png", "b.png"});
    window->show();
    window->show_page(2);
    test::process_events();
  }

  void add_slideshow(const std::vector<std::string>& names) {
    std::vector<std::filesystem::path> photos;
    for (const std::string& name : names)
      photos.push_back(test::write_photo(files / name, 64, 48, 0xFF3080C0));
    create_slideshow_with_photos(*project, project->make_default_slideshow_name(), photos);
    page.project_replaced();
  }

  std::filesystem::path tone(const std::string& name, double seconds) {
    EXPECT_TRUE(test::make_tone(files / name, seconds, 44100, 2)) << name;
    return files / name;
  }

  void add_music(const std::vector<std::filesystem::path>& paths) {
    dialogs.paths.assign(paths.begin(), paths.end());
    page.run_command(MusicPage::kAdd);
  }

  // Each row as "index name start duration".
  std::vector<std::string> rows() const {
    std::vector<std::string> texts;
    const MusicList& list = *page.music_list();
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
      QStringList cells;
      for (int column = 0; column < 4; ++column)
        cells << list.topLevelItem(row)->text(column);
      texts.push_back(cells.join(' ').toStdString());
    }
    return texts;
  }

  void press(MusicPage::Button id, int row = -1) {
    page.music_list()->clearSelection();
    page.music_list()->select_row(row);
    page.run_command(id);
  }

  bool enabled(std::initializer_list<MusicPage::Button> ids) const {
    bool all = true;
    for (const MusicPage::Button id : ids)
      all = page.button(id)->isEnabled() && all;
    return all;
  }
  bool track_buttons_enabled() const {
    bool all = true;
    for (const MusicPage::Button id : kTrackButtons)
      all = page.button(id)->isEnabled() && all;
    return all;
  }
  bool preview_buttons_enabled() const {
    return enabled({MusicPage::kPreviewSlideshow, MusicPage::kStopPreview});
  }

  MusicPage& page;
};

TEST_F(MusicPageTest, TheListFollowsTheFirstSlideshowsTracks) {
  const MusicList& list = *page.music_list();
  EXPECT_EQ(list.headerItem()->text(3), QStringLiteral("Track Duration"));
  // Every button shows its whole text in the pages' one font.
  window->show();
  window->show_page(2);
  test::process_events();
  EXPECT_EQ(list.geometry(), QRect(230, 260, 600, 158));  // down to where the tree ends
  for (const MusicPage::Button id :
       {MusicPage::kAdd, MusicPage::kDelete, MusicPage::kUp, MusicPage::kDown,
        MusicPage::kPlayMusic, MusicPage::kStopMusic, MusicPage::kFitToMusic,
        MusicPage::kPreviewSlideshow, MusicPage::kStopPreview}) {
    const QPushButton& shown = *page.button(id);
    EXPECT_GE(shown.width(), shown.sizeHint().width()) << shown.text().toStdString();
    EXPECT_EQ(shown.font(), page.font());
  }

  const std::filesystem::path not_music = files / "noise.mp3";
  test::write_file(not_music, "no sound in here");
  add_music({tone("tone.mp3", 2), tone("tone.wav", 1), not_music, files / "a.png"});
  EXPECT_THAT(rows(), ElementsAre("0 default.mp3 00:00:00 00:00:25", "1 tone.mp3 00:00:25 00:00:02",
                                  "2 tone.wav 00:00:27 00:00:01"));
  EXPECT_THAT(prompt.shown, ElementsAre(not_music_prompt(not_music)));

  press(MusicPage::kUp, 2);
  EXPECT_THAT(rows(), ElementsAre("0 default.mp3 00:00:00 00:00:25", "1 tone.wav 00:00:25 00:00:01",
                                  "2 tone.mp3 00:00:26 00:00:02"));
  EXPECT_EQ(list.selected_row(), 1);
  press(MusicPage::kDown, 0);
  EXPECT_THAT(rows(), ElementsAre("0 tone.wav 00:00:00 00:00:01", "1 default.mp3 00:00:01 00:00:25",
                                  "2 tone.mp3 00:00:26 00:00:02"));
  // Nothing moves past either end, or without a selected row.
  press(MusicPage::kUp, 0);
  press(MusicPage::kDown, 2);
  press(MusicPage::kDown);
  EXPECT_EQ(project->slideshows[0]->tracks[0]->file_name(), "tone.wav");
  EXPECT_EQ(project->slideshows[0]->tracks[2]->file_name(), "tone.mp3");

  press(MusicPage::kDelete, 1);
  press(MusicPage::kDelete);
  EXPECT_THAT(rows(), ElementsAre("0 tone.wav 00:00:00 00:00:01", "1 tone.mp3 00:00:01 00:00:02"));
  press(MusicPage::kDelete, 0);
  press(MusicPage::kDelete, 0);
  EXPECT_THAT(rows(), ElementsAre("0 tone.mp3 00:00:00 00:00:02"));
  EXPECT_EQ(prompt.shown.back().text, "This is the last music track; it cannot be deleted!");
  EXPECT_EQ(project->slideshows[0]->tracks.size(), 1u);
}

TEST_F(MusicPageTest, PlayingATrackRestsThePreviewButtonsUntilItEnds) {
  project->preferences.loop_audio = false;
  add_music({tone("short.wav", 1)});
  press(MusicPage::kPlayMusic);  // no track chosen
  EXPECT_FALSE(page.music_player().is_playing());

  press(MusicPage::kPlayMusic, 1);
  EXPECT_TRUE(page.music_player().is_playing());
  EXPECT_FALSE(page.button(MusicPage::kPreviewSlideshow)->isEnabled());
  EXPECT_FALSE(page.button(MusicPage::kStopPreview)->isEnabled());
  EXPECT_TRUE(track_buttons_enabled());
  page.run_command(MusicPage::kStopMusic);
  EXPECT_FALSE(page.music_player().is_playing());
  EXPECT_TRUE(preview_buttons_enabled());

  press(MusicPage::kPlayMusic, 1);
  ASSERT_FALSE(preview_buttons_enabled());
  EXPECT_TRUE(test::wait_until([&] { return preview_buttons_enabled(); }));
  EXPECT_FALSE(page.music_player().is_playing());
  EXPECT_THAT(prompt.shown, IsEmpty());

  // Without a sound output the user hears nothing and is told why.
  const test::ScopedEnvironment no_output("SDL_AUDIODRIVER", "no_such_output");
  press(MusicPage::kPlayMusic, 1);
  EXPECT_FALSE(page.music_player().is_playing());
  ASSERT_EQ(prompt.shown.size(), 1u);
  EXPECT_THAT(prompt.shown[0].text.english(),
              ::testing::StartsWith("The music cannot be played (short.wav): "));
}

TEST_F(MusicPageTest, TheSlideshowPreviewPlaysWithItsMusicInTheScreensShape) {
  const std::vector<int> both{0, 1};
  project->slideshows[0]->set_display_seconds(both, 1);  // a preview of about 3 s
  project->slideshows[0]->set_transition_seconds(both, 0);
  EXPECT_EQ(page.preview()->size(), QSize(224, 168));
  // The settings change the preview's shape and leave music playing.
  press(MusicPage::kPlayMusic, 0);
  project->preferences.aspect_ratio = 1;
  project->settings_changed();
  EXPECT_EQ(page.preview()->size(), QSize(224, 126));
  EXPECT_TRUE(page.music_player().is_playing());
  page.run_command(MusicPage::kStopMusic);

  page.run_command(MusicPage::kPreviewSlideshow);
  EXPECT_TRUE(page.preview()->running());
  EXPECT_TRUE(page.music_player().is_playing());
  for (const MusicPage::Button id : kTrackButtons)
    EXPECT_FALSE(page.button(id)->isEnabled()) << id;
  EXPECT_TRUE(preview_buttons_enabled());
  // It ends by itself, showing the first photo; the music stops with it.
  EXPECT_TRUE(test::wait_until([&] { return track_buttons_enabled(); }));
  EXPECT_FALSE(page.preview()->running());
  EXPECT_FALSE(page.music_player().is_playing());
  const QImage& frame = page.preview()->frame();
  EXPECT_EQ(frame.size(), QSize(224, 126));
  EXPECT_EQ(frame.pixel(112, 63) & 0xFFFFFF, 0x3080C0u);

  page.run_command(MusicPage::kPreviewSlideshow);
  page.run_command(MusicPage::kStopPreview);
  EXPECT_FALSE(page.preview()->running());
  EXPECT_FALSE(page.music_player().is_playing());
  EXPECT_TRUE(track_buttons_enabled());

  // Leaving the page stops the preview and its music.
  page.run_command(MusicPage::kPreviewSlideshow);
  window->show_page(0);
  EXPECT_FALSE(page.preview()->running());
  EXPECT_FALSE(page.music_player().is_playing());
}

TEST_F(MusicPageTest, FitToMusicSetsTheDisplayTimesOfTheTreesSlideshowToTheProjectsMusic) {
  add_music({tone("tail.mp3", 3)});  // 28 s with the default music
  add_slideshow({"c.png", "d.png", "e.png"});
  ASSERT_EQ(project->current_slideshow, 1);
  Slideshow& second = *project->slideshows[1];
  page.run_command(MusicPage::kFitToMusic);
  ASSERT_EQ(prompt.shown.size(), 1u);
  EXPECT_EQ(prompt.shown[0].text,
            "Every photo now shows for 8 seconds: the slideshow lasts 00:00:28, as long as "
            "the music.");
  prompt.shown.clear();
  EXPECT_EQ(second.length_seconds(), 28);
  EXPECT_TRUE(project->modified);
  EXPECT_EQ(page.tree()->disc_item()->child(1)->data(0, ProjectTree::kSecondsRole).toInt(), 28);

  // One photo of at most a minute cannot last as long as the music.
  add_music({tone("long.mp3", 40)});
  add_slideshow({"f.png"});
  page.run_command(MusicPage::kFitToMusic);
  ASSERT_EQ(prompt.shown.size(), 1u);
  EXPECT_THAT(prompt.shown.front().text.english(), ::testing::StartsWith("The music is too long"));
}

}  // namespace
}  // namespace pictavo
