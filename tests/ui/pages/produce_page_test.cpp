#include "ui/pages/produce_page.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <atomic>
#include <functional>
#include <future>
#include <string>
#include <utility>
#include <vector>

#include "model/project_start.h"
#include "support/run_command.h"
#include "support/test_modules.h"
#include "ui/app/main_window.h"
#include "ui/app/make_video_signals.h"
#include "ui/dialogs/job_end_dialogs.h"
#include "ui/dialogs/profile_settings_list.h"
#include "ui/ui_test.h"
#include "ui/widgets/capacity_bar.h"
#include "video/encoder_module.h"
#include "video/made_video_check.h"
#include "video/system_power.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::Property;
using ::testing::StartsWith;

// The dialogs at the end of a job, answered at once: the countdown with OK.
class RecordingEndDialogs final : public JobEndDialogs {
 public:
  void mission_accomplished(const fs::path& output_folder, bool psp_videos) override {
    completed.push_back(output_folder);
    completed_for_psp.push_back(psp_videos);
  }
  bool confirm_shutdown() override {
    ++countdowns;
    return true;
  }
  std::vector<fs::path> completed;
  std::vector<bool> completed_for_psp;
  int countdowns = 0;
};

class CountingPower final : public SystemPower {
 public:
  Result power_off() override {
    ++calls;
    return Result::kDone;
  }
  int calls = 0;
};

// The test encoder's files are no videos: the check says that the video of the
// slideshow named here will not play, and that every other one will.
class ScriptedVideoCheck final : public MadeVideoCheck {
 public:
  static constexpr const char* kRule = "frame size: 640x480; the PSP needs at most 480x272";

  std::vector<UserText> broken_rules(const fs::path& video) const override {
    if (video.stem() != unplayable) return {};
    return {UserText(kRule)};
  }
  std::string unplayable;
};

class ProducePageTest : public test::UiTest {
 protected:
  ProducePageTest() : page(*window->produce_page()) {
    page.set_job_end_dialogs(end_dialogs);
    page.set_system_power(&power);
    page.set_video_check(video_check);
    QObject::connect(&page, &ProducePage::running_changed,
                     [this](bool running) { reported_running.push_back(running); });
    signals_ = page.findChild<MakeVideoSignals*>();
    QObject::connect(
        signals_, &MakeVideoSignals::ended, &page, [this] { ended_ = true; }, Qt::QueuedConnection);
  }

  template <typename Widget>
  Widget* control(const char* name) const {
    return page.findChild<Widget*>(QString::fromUtf8(name));
  }
  QPushButton* create() const { return control<QPushButton>("create"); }
  QString status() const { return control<QLabel>("status")->text(); }

  // A slideshow of `photos` copies of one picture, each shown 1 s after a 1 s
  // transition; the test encoder stands in for the real one.
  Slideshow& add_slideshow(const std::string& name, int photos) {
    home.install_file(test::fake_encoder_module(), kEncoderModule);
    project->default_setting.effect.display_seconds = 1;
    project->default_setting.effect.transition_seconds = 1;
    project->add_slideshow(name);
    Slideshow& slideshow = *project->slideshows.back();
    for (int i = 0; i < photos; ++i) {
      const fs::path photo = files / (name + std::to_string(i) + ".jpg");
      fs::copy_file(home.path() / "menu_pic" / "0.jpg", photo);
      slideshow.add_photo(photo, project->default_setting);
    }
    project->update_totals();
    return slideshow;
  }

  void start() {
    ended_ = false;
    create()->click();
    ASSERT_TRUE(page.job_running());
  }
  // Handles events until the page showed the job's end.
  void wait_for_end() {
    ASSERT_TRUE(test::wait_until([this] { return ended_; })) << "the job did not end";
    test::process_events();
  }
  void make_videos() {
    start();
    wait_for_end();
  }

  ProducePage& page;
  RecordingEndDialogs end_dialogs;
  CountingPower power;
  ScriptedVideoCheck video_check;
  std::vector<bool> reported_running;
  MakeVideoSignals* signals_ = nullptr;

 private:
  bool ended_ = false;
};

void choose(QComboBox* box, const char* text) {
  box->setCurrentText(QString::fromUtf8(text));
  ASSERT_EQ(box->currentText(), text);
  emit box->activated(box->currentIndex());
}

TEST_F(ProducePageTest, TheSettingsShowTheProfileAndTakeTheUsersChoices) {
  add_slideshow("Trip", 2);
  auto* list = control<ProfileSettingsList>("settings");
  QStringList items;
  for (int i = 0; i < list->topLevelItemCount(); ++i)
    items << list->topLevelItem(i)->text(0);
  EXPECT_EQ(items, QStringList({"  Video", "  Video Codec", "  Video Size", "  Video Bitrate",
                                "  Video Frame Rate", "Audio", "  Audio Codec", "  Audio Bitrate",
                                "  Sample Rate", "  Audio Channel"}));
  EXPECT_EQ(list->headerItem()->text(0), "Item");
  EXPECT_EQ(list->headerItem()->text(1), "Value");

  const ProfileGroup& group = project->profiles.groups().front();
  auto* profiles = control<QComboBox>("profile");
  ASSERT_EQ(profiles->count(), project->profiles.profile_count());
  EXPECT_EQ(profiles->currentText(), QString::fromStdString(group.profiles.front().desc_l));
  const OutputProfile& profile = *project->profiles.current_profile();
  for (int id = 0; id < kProfileParameterCount; ++id) {
    const ProfileParameter& parameter = profile.parameters[static_cast<std::size_t>(id)];
    const QComboBox* box = list->value_box(static_cast<ProfileParameterId>(id));
    EXPECT_EQ(box->count(), static_cast<int>(parameter.values.size())) << id;
    EXPECT_EQ(box->currentText().toStdString(), parameter.current.text) << id;
  }

  // A PAL frame rate makes every photo PAL; a higher bitrate makes the videos larger.
  const int ntsc_frames = project->total_frames;
  choose(list->value_box(ProfileParameterId::kVideoFrameRate), "25");
  EXPECT_EQ(profile.value(ProfileParameterId::kVideoFrameRate), "25");
  EXPECT_EQ(project->slideshows[0]->photos[1]->setting.tv_system, 1);
  EXPECT_LT(project->total_frames, ntsc_frames);
  const float estimate = project->estimated_mb;
  choose(list->value_box(ProfileParameterId::kVideoBitrate), "1024");
  EXPECT_GT(project->estimated_mb, estimate);
  EXPECT_THAT(window->capacity_bar()->text().toStdString(),
              HasSubstr(QString::number(project->estimated_mb, 'f', 2).toStdString()));

  // Another profile shows its own values, and its frame rate rules again.
  profiles->setCurrentIndex(1);
  emit profiles->activated(1);
  const OutputProfile& chosen = *project->profiles.current_profile();
  EXPECT_EQ(&chosen, &group.profiles[1]);
  EXPECT_EQ(list->value_box(ProfileParameterId::kVideoSize)->currentText().toStdString(),
            chosen.value(ProfileParameterId::kVideoSize));
  EXPECT_EQ(project->default_setting.tv_system,
            chosen.value(ProfileParameterId::kVideoFrameRate) == "25" ? 1 : 0);

  // The next run starts with the profile chosen.
  Project next(home.path());
  start_project(next);
  EXPECT_EQ(next.profiles.current_profile()->desc_l, chosen.desc_l);

  // The profiles of phones, tablets and TVs follow the PSP's; with one of them
  // copying to the PSP is not offered, and the next run starts with it too.
  auto* psp_manager = control<QPushButton>("psp_file_manager");
  EXPECT_TRUE(psp_manager->isEnabled());
  const int portrait = project->profiles.profile_count() - 1;
  profiles->setCurrentIndex(portrait);
  emit profiles->activated(portrait);
  EXPECT_EQ(project->profiles.current_profile(), &project->profiles.groups().at(1).profiles.back());
  EXPECT_EQ(list->value_box(ProfileParameterId::kVideoSize)->currentText(), "1080x1920");
  EXPECT_FALSE(psp_manager->isEnabled());
  EXPECT_THAT(psp_manager->toolTip().toStdString(), HasSubstr("not for the PSP"));
  Project after(home.path());
  start_project(after);
  EXPECT_EQ(after.profiles.current_profile()->value(ProfileParameterId::kVideoSize), "1080x1920");
  profiles->setCurrentIndex(1);
  emit profiles->activated(1);
  EXPECT_TRUE(psp_manager->isEnabled());
}

TEST_F(ProducePageTest, TheDiskCheckDecidesWhetherTheVideosMayStart) {
  add_slideshow("Trip", 2);
  ASSERT_GT(project->estimated_mb, 0.0f);
  struct Drives {
    int output_free;
    int temp_free;
    bool one_drive;
    bool may_start;
    const char* message;  // how the message starts; empty for none
    const char* drive_text;
  };
  for (const Drives& drives : {
           Drives{0, 9000, false, false, "Not enough disk space: please choose another drive.",
                  "/media/out: 0 MB free"},
           Drives{9000, 9000, false, true, "", "/media/out: 9000 MB free"},
           // Little room for the music on another drive is only worth a warning.
           Drives{9000, 0, false, true, "The drive /media/temp needs more than ",
                  "/media/out: 9000 MB free"},
           Drives{0, 0, true, false, "Not enough disk space: please choose another drive.",
                  "/media/out: 0 MB free"},
       }) {
    const fs::path temp = project->default_setting.temp_folder;
    page.set_drive_space_query([drives, temp](const fs::path& folder) {
      const bool is_temp = folder == temp && !drives.one_drive;
      const int free = is_temp ? drives.temp_free : drives.output_free;
      return DriveSpace{.device = is_temp ? 2u : 1u,
                        .drive = is_temp ? "/media/temp" : "/media/out",
                        .free_bytes = std::uint64_t(free) << 20,
                        .total_bytes = std::uint64_t(10000) << 20};
    });
    prompt.shown.clear();
    dialogs.paths.push_back(files / "videos");
    control<QPushButton>("browse")->click();
    EXPECT_EQ(create()->isEnabled(), drives.may_start) << drives.drive_text;
    if (*drives.message == '\0') {
      EXPECT_THAT(prompt.shown, IsEmpty());
    } else {
      EXPECT_THAT(prompt.shown,
                  ElementsAre(Field(&PromptMessage::text,
                                    Property(&UserText::english, StartsWith(drives.message)))));
    }
    EXPECT_EQ(control<QLabel>("drive_text")->text(), drives.drive_text);
    EXPECT_EQ(control<QProgressBar>("drive_bar")->value(), 1000 - drives.output_free / 10);
  }
  EXPECT_EQ(page.output_folder(), files / "videos");
  EXPECT_EQ(dialogs.folder_titles.front(), "Please select a destination folder");
}

TEST_F(ProducePageTest, AVideoThatWillNotPlayIsNamedWithItsRulesWhenTheJobIsDone) {
  add_slideshow("Wide", 1);
  add_slideshow("Fine", 1);
  video_check.unplayable = "Wide";
  make_videos();
  EXPECT_THAT(
      prompt.shown,
      ElementsAre(Field(&PromptMessage::text,
                        Property(&UserText::english,
                                 HasSubstr(std::string("Wide.mp4:\n- ") + video_check.kRule)))));
  EXPECT_THAT(prompt.shown.at(0).text.english(), Not(HasSubstr("Fine.mp4")));
  EXPECT_EQ(create()->text(), "Make Video Files");
  EXPECT_THAT(end_dialogs.completed, ElementsAre(page.output_folder()));
  EXPECT_THAT(end_dialogs.completed_for_psp, ElementsAre(true));
}

TEST_F(ProducePageTest, AJobShowsItsProgressAndEndsAsTheUserAsked) {
  // The first slideshow counts as a quarter of the project: the bar passes 16383
  // between the two.
  const Slideshow& first = add_slideshow("Short", 1);
  add_slideshow("Long", 2).total_frames = 3 * first.total_frames;
  std::vector<int> positions;
  QObject::connect(control<QProgressBar>("progress"), &QProgressBar::valueChanged,
                   [&positions](int value) { positions.push_back(value); });

  for (const bool shut_down : {false, true}) {
    control<QCheckBox>("shut_down")->setChecked(shut_down);
    positions.clear();
    reported_running.clear();
    make_videos();

    ASSERT_FALSE(positions.empty());
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
    EXPECT_NE(std::find(positions.begin(), positions.end(), 16383), positions.end());
    EXPECT_EQ(positions.back(), 65535);
    EXPECT_THAT(reported_running, ElementsAre(true, false));
    EXPECT_EQ(create()->text(), "Make Video Files");
    EXPECT_EQ(status(), "Main progress:");
    EXPECT_THAT(prompt.shown, IsEmpty());
    for (const char* file : {"Short.THM", "Long.THM"})
      EXPECT_TRUE(fs::exists(page.output_folder() / file)) << file;
  }
  // Without the box the user is told where the videos are; with it the computer
  // goes off after the countdown.
  EXPECT_THAT(end_dialogs.completed, ElementsAre(page.output_folder()));
  EXPECT_EQ(end_dialogs.countdowns, 1);
  EXPECT_EQ(power.calls, 1);
}

TEST_F(ProducePageTest, CancelStopsTheJobAtOnceWithoutAFailure) {
  add_slideshow("Trip", 3);
  // The job waits at its first frame until the user pressed Cancel.
  std::atomic<bool> at_first_frame{false};
  std::promise<void> cancelled;
  std::shared_future<void> cancel_pressed = cancelled.get_future().share();
  QObject::connect(
      signals_, &MakeVideoSignals::progress_made, signals_,
      [&at_first_frame, cancel_pressed] {
        if (at_first_frame.exchange(true)) return;
        cancel_pressed.wait();
      },
      Qt::DirectConnection);

  start();
  ASSERT_TRUE(test::wait_until([&at_first_frame] { return at_first_frame.load(); }));
  EXPECT_EQ(create()->text(), "Cancel");
  EXPECT_EQ(status(), "Making Video Files...");
  create()->click();
  EXPECT_FALSE(create()->isEnabled());
  cancelled.set_value();
  wait_for_end();

  EXPECT_THAT(prompt.shown, ElementsAre(Field(&PromptMessage::text, "Stopped!")));
  EXPECT_EQ(status(), "Ready to start");
  EXPECT_EQ(create()->text(), "Create Video Files");
  EXPECT_TRUE(create()->isEnabled());
  EXPECT_THAT(reported_running, ElementsAre(true, false));
  EXPECT_THAT(end_dialogs.completed, IsEmpty());
}

TEST_F(ProducePageTest, TheDemoProjectBecomesVideosAndThumbnails) {
  home.install("sample_photos");
  const test::CommandResult demo = test::run_cli({"demo", "--out", (files / "cli").string()});
  ASSERT_EQ(demo.exit_code, 0) << demo.err;
  window->open_file(home.path() / "demo.prg");
  ASSERT_EQ(project->slideshow_count(), 2);
  window->show_page(3);
  make_videos();

  EXPECT_THAT(prompt.shown, IsEmpty());
  EXPECT_THAT(end_dialogs.completed, ElementsAre(page.output_folder()));
  for (const auto& slideshow : project->slideshows) {
    for (const char* extension : {".mp4", ".THM"}) {
      const fs::path file = page.output_folder() / (slideshow->name() + extension);
      EXPECT_GT(fs::exists(file) ? fs::file_size(file) : 0, 1000u) << file;
    }
  }
}

}  // namespace
}  // namespace pictavo
