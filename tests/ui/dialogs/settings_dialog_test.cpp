#include "ui/dialogs/settings_dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "model/project_messages.h"
#include "support/files.h"
#include "ui/app/main_window.h"
#include "ui/dialogs/settings_normal_page.h"
#include "ui/dialogs/settings_option_page.h"
#include "ui/ui_test.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

class SettingsDialogTest : public test::UiTest {
 protected:
  SettingsDialogTest() { open(); }

  void open() {
    dialog = std::make_unique<SettingsDialog>(*project, window->history(), dialogs, window.get());
  }
  SettingsNormalPage& normal() { return *dialog->normal_page(); }
  SettingsOptionPage& option() { return *dialog->option_page(); }
  void save() {
    dialog->save_button()->click();
    test::process_events();
    open();
  }

  // A slideshow of two photos under a profile of about 225 MB a second: a minute a
  // photo is far beyond what the videos may take, while a few seconds are not.
  PhotoItem& add_photos_at_huge_bitrate() {
    project->profiles.current_profile()->parameter(ProfileParameterId::kVideoBitrate).current.text =
        "1755000";
    project->add_slideshow("Trip");
    for (const char* name : {"0.jpg", "1.jpg"})
      project->current()->add_photo(home.path() / "menu_pic" / name, project->default_setting);
    project->update_totals();
    return *project->current()->photos.front();
  }

  std::unique_ptr<SettingsDialog> dialog;
};

TEST_F(SettingsDialogTest, OpensOnNormalWithTheProjectsValues) {
  EXPECT_EQ(dialog->windowTitle(), "Settings");
  ASSERT_EQ(dialog->tabs()->count(), 2);
  EXPECT_EQ(dialog->tabs()->tabText(0), "Normal");
  EXPECT_EQ(dialog->tabs()->tabText(1), "Options");
  EXPECT_EQ(dialog->tabs()->currentWidget(), &normal());
  EXPECT_EQ(normal().folder_edit()->text().toStdString(),
            project->preferences.working_folder.string());
  EXPECT_TRUE(normal().ratio_button(0)->isChecked());
  EXPECT_EQ(option().photo_duration_box()->count(), 60);
  EXPECT_EQ(option().transition_duration_box()->count(), 10);
  EXPECT_EQ(option().photo_duration_box()->currentText(), "3");
  EXPECT_EQ(option().transition_duration_box()->currentText(), "2");
  EXPECT_TRUE(option().loop_audio_box()->isChecked());
  EXPECT_TRUE(option().random_transition_box()->isChecked());
  EXPECT_FALSE(option().random_image_effect_box()->isChecked());
}

TEST_F(SettingsDialogTest, TheOutputFolderIsAlwaysTheWorkingFolderFollowedByOutput) {
  const fs::path chosen = files / "chosen";
  dialogs.paths.push_back(chosen);
  normal().browse_button()->click();
  EXPECT_EQ(normal().folder_edit()->text().toStdString(), chosen.string());
  save();
  EXPECT_EQ(project->default_setting.output_folder, chosen / "Output");

  for (const fs::path& typed :
       {files / "mine", files / "with slash/", files / "Project_1" / "Output"}) {
    normal().folder_edit()->setText(QString::fromStdString(typed.string()));
    save();
    EXPECT_EQ(project->preferences.working_folder, typed);
    EXPECT_EQ(project->default_setting.temp_folder, typed / "temp");
    EXPECT_EQ(project->default_setting.output_folder, typed / "Output");
    EXPECT_NE(test::read_file(project->preferences.preferences_path)
                  .find("<outputPath>" + (typed / "Output").string() + "</outputPath>"),
              std::string::npos)
        << typed;
  }
}

TEST_F(SettingsDialogTest, OnlyAChangedAspectRatioMarksTheVideosForMakingAgain) {
  struct Case {
    int clicked;
    int aspect_ratio;
    bool marked;
  };
  for (const Case& step :
       {Case{0, 0, false}, Case{1, 1, true}, Case{1, 1, false}, Case{0, 0, true}}) {
    project->list_changed = false;
    normal().ratio_button(step.clicked)->click();
    EXPECT_FALSE(normal().ratio_button(1 - step.clicked)->isChecked());
    save();
    EXPECT_EQ(project->preferences.aspect_ratio, step.aspect_ratio);
    EXPECT_EQ(project->list_changed, step.marked) << step.clicked;
  }

  // A stored ratio that is neither checks no button and stays.
  project->preferences.aspect_ratio = 2;
  project->list_changed = false;
  open();
  EXPECT_FALSE(normal().ratio_button(0)->isChecked() || normal().ratio_button(1)->isChecked());
  save();
  EXPECT_EQ(project->preferences.aspect_ratio, 2);
  EXPECT_FALSE(project->list_changed);
}

TEST_F(SettingsDialogTest, SaveStoresTheOptionsAndKeepsTheVideosWithinTheLimit) {
  const PhotoItem& photo = add_photos_at_huge_bitrate();
  option().loop_audio_box()->setChecked(false);
  option().random_image_effect_box()->setChecked(true);
  option().blurred_background_box()->setChecked(true);
  option().music_fade_out_box()->setChecked(true);
  option().photo_duration_box()->setCurrentText("6");
  option().transition_duration_box()->setCurrentText("5");
  prompt.answers = {PromptAnswer::kYes};
  save();
  EXPECT_EQ(photo.setting.effect.display_seconds, 6);
  EXPECT_EQ(photo.setting.effect.transition_seconds, 5);
  EXPECT_EQ(project->default_setting.effect.category, ImageEffectCategory::kPanZoomRotate);
  EXPECT_FALSE(project->preferences.loop_audio);
  EXPECT_TRUE(project->preferences.random_image_effect);
  EXPECT_TRUE(project->preferences.blurred_background);
  EXPECT_EQ(project->preferences.music_fade_out_seconds, kMusicFadeOutSeconds);
  const std::string stored = test::read_file(project->preferences.preferences_path);
  for (const char* value :
       {"<singleTime>6</singleTime>", "<transmitTime>5</transmitTime>", "<LoopAudio>0</LoopAudio>",
        "<RandomImageEffect>1</RandomImageEffect>", "<BlurredBackground>1</BlurredBackground>",
        "<MusicFadeOut>1</MusicFadeOut>"})
    EXPECT_NE(stored.find(value), std::string::npos) << value;

  // A minute a photo would pass the limit: the durations stay as they were.
  option().photo_duration_box()->setCurrentText("60");
  const SettingsOptionPage* shown = dialog->option_page();
  prompt.answers = {PromptAnswer::kYes};
  dialog->save_button()->click();
  EXPECT_EQ(shown->photo_duration_box()->currentText(), "6");
  EXPECT_EQ(project->default_setting.effect.display_seconds, 6);
  EXPECT_EQ(photo.setting.effect.display_seconds, 6);
  EXPECT_LE(project->estimated_mb, Project::kLimitMegabytes);
}

TEST_F(SettingsDialogTest, PhotosKeepTheirTimesAndTransitionsUnlessTheUserAppliesNewTimes) {
  add_photos_at_huge_bitrate();
  project->profiles.current_profile()->parameter(ProfileParameterId::kVideoBitrate).current.text =
      "768";
  Slideshow& slideshow = *project->current();
  slideshow.set_display_seconds(std::vector<int>{0}, 7);  // as Fit to music leaves it
  const auto transition_types = [&] {
    std::vector<TransitionType> types;
    for (const auto& photo : slideshow.photos)
      types.push_back(photo->setting.effect.transition().type());
    return types;
  };
  const std::vector<TransitionType> drawn = transition_types();
  const auto photo_seconds = [&](int index) {
    return slideshow.photos[static_cast<std::size_t>(index)]->setting.effect.display_seconds;
  };

  normal().ratio_button(1)->click();
  option().random_image_effect_box()->setChecked(true);
  save();
  EXPECT_TRUE(prompt.shown.empty());
  EXPECT_EQ(photo_seconds(0), 7);

  option().photo_duration_box()->setCurrentText("5");
  prompt.answers = {PromptAnswer::kNo};
  save();
  EXPECT_THAT(prompt.shown, ::testing::ElementsAre(apply_times_question(5, 2)));
  EXPECT_EQ(project->default_setting.effect.display_seconds, 5);
  EXPECT_EQ(photo_seconds(0), 7);
  EXPECT_EQ(photo_seconds(1), 3);

  option().photo_duration_box()->setCurrentText("6");
  prompt.answers = {PromptAnswer::kYes};
  save();
  EXPECT_EQ(photo_seconds(0), 6);
  EXPECT_EQ(photo_seconds(1), 6);
  EXPECT_EQ(transition_types(), drawn);
}

TEST_F(SettingsDialogTest, CancelChangesNothing) {
  const PhotoItem& photo = add_photos_at_huge_bitrate();
  project->list_changed = false;
  project->modified = false;
  const std::string stored = test::read_file(project->preferences.preferences_path);
  const Preferences before = project->preferences;

  normal().folder_edit()->setText(QString::fromStdString((files / "elsewhere").string()));
  normal().ratio_button(1)->click();
  option().loop_audio_box()->setChecked(false);
  option().random_transition_box()->setChecked(false);
  option().random_image_effect_box()->setChecked(true);
  option().photo_duration_box()->setCurrentText("7");
  option().transition_duration_box()->setCurrentText("9");
  dialog->cancel_button()->click();

  EXPECT_EQ(project->preferences.working_folder, before.working_folder);
  EXPECT_EQ(project->default_setting.output_folder, before.working_folder / "Output");
  EXPECT_EQ(project->preferences.aspect_ratio, before.aspect_ratio);
  EXPECT_EQ(project->preferences.loop_audio, before.loop_audio);
  EXPECT_EQ(project->preferences.random_transition, before.random_transition);
  EXPECT_EQ(project->preferences.random_image_effect, before.random_image_effect);
  EXPECT_EQ(project->default_setting.effect.display_seconds, 3);
  EXPECT_EQ(project->default_setting.effect.transition_seconds, 2);
  EXPECT_EQ(photo.setting.effect.display_seconds, 3);
  EXPECT_FALSE(project->list_changed);
  EXPECT_FALSE(project->modified);
  EXPECT_EQ(test::read_file(project->preferences.preferences_path), stored);
}

}  // namespace
}  // namespace pictavo
