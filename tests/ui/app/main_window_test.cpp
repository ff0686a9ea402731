#include "ui/app/main_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <cstdlib>

#include "model/project_messages.h"
#include "model/unsaved_changes.h"
#include "support/files.h"
#include "support/run_command.h"
#include "support/scoped_environment.h"
#include "ui/app/instance_channel.h"
#include "ui/app/pictavo_app.h"
#include "ui/common/path_text.h"
#include "ui/dialogs/settings_dialog.h"
#include "ui/dialogs/settings_normal_page.h"
#include "ui/pages/effect_page.h"
#include "ui/pages/music_page.h"
#include "ui/pages/organize_photo_page.h"
#include "ui/ui_test.h"
#include "ui/widgets/capacity_bar.h"
#include "ui/widgets/effect_list.h"
#include "ui/widgets/image_line.h"
#include "ui/widgets/music_list.h"
#include "ui/widgets/project_tree.h"
#include "ui/widgets/thumbnail_list.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Property;

auto asked(const char* text) {
  return Field(&PromptMessage::text, text);
}

class MainWindowTest : public test::UiTest {
 protected:
  // A project with one slideshow of one photo, changed since it was last saved.
  void change_project() {
    project->add_slideshow("Trip");
    project->current()->add_photo(home.path() / "menu_pic" / "0.jpg", project->default_setting);
    ASSERT_TRUE(project->modified);
  }
  void make_saves_fail() { project->preferences.project_path = files / "gone" / "trip.prg"; }
};

TEST_F(MainWindowTest, MenusCarryTheProgramsIdsAndTexts) {
  std::vector<std::pair<int, QString>> items;
  for (const QMenu* menu : {window->project_menu(), window->help_menu()}) {
    for (const QAction* action : menu->actions())
      items.emplace_back(action->data().toInt(), action->text());
  }
  EXPECT_THAT(
      items,
      ElementsAre(std::pair(32771, QString("New")), std::pair(32772, QString("Open...")),
                  std::pair(32773, QString("Save")), std::pair(32774, QString("Save As")),
                  std::pair(32775, QString("Settings")), std::pair(32776, QString("Exit")),
                  std::pair(32777, QString("Help Manual")),
                  std::pair(32788, QString("Tip of the Day")), std::pair(32779, QString("About"))));
  EXPECT_EQ(window->size(), QSize(852, 582));
}

TEST_F(MainWindowTest, SaveAsAddsTheProjectExtensionUnlessItIsThere) {
  change_project();
  for (const auto& [typed, saved] :
       {std::pair("trip", "trip.prg"), std::pair("trip.txt", "trip.txt.prg"),
        std::pair("mine.prg", "mine.prg")}) {
    dialogs.paths.push_back(files / typed);
    window->run_command(MainWindow::kSaveAs);
    EXPECT_TRUE(fs::exists(files / saved)) << typed;
    EXPECT_EQ(project->preferences.project_path, files / saved);
  }
  EXPECT_FALSE(fs::exists(files / "trip.txt"));
}

TEST_F(MainWindowTest, ProjectDialogsStartWhereTheUserLastWasAndNeverInTheProgramFolder) {
  change_project();
  dialogs.paths.push_back(files / "trips" / "trip.prg");
  fs::create_directories(files / "trips");
  window->run_command(MainWindow::kSaveAs);
  window->run_command(MainWindow::kOpen);
  ASSERT_EQ(dialogs.project_folders.size(), 2u);
  EXPECT_NE(dialogs.project_folders[0], home.path());
  EXPECT_EQ(dialogs.project_folders[1], files / "trips");
}

TEST_F(MainWindowTest, NewAndOpenAskToSaveAndStopWhenTheSaveFails) {
  change_project();
  prompt.answers = {PromptAnswer::kCancel};
  window->run_command(MainWindow::kNew);
  EXPECT_EQ(project->slideshow_count(), 1);
  EXPECT_THAT(prompt.shown, ElementsAre(asked("Do you want to save this project?")));

  make_saves_fail();
  prompt.answers = {PromptAnswer::kYes};
  window->run_command(MainWindow::kNew);
  EXPECT_EQ(project->slideshow_count(), 1);

  project->preferences.project_path = files / "trip.prg";
  prompt.answers = {PromptAnswer::kYes};
  window->run_command(MainWindow::kNew);
  EXPECT_EQ(project->slideshow_count(), 0);
  EXPECT_FALSE(project->modified);

  dialogs.paths.push_back(files / "trip.prg");
  window->run_command(MainWindow::kOpen);
  ASSERT_EQ(project->slideshow_count(), 1);
  EXPECT_EQ(project->slideshows[0]->name(), "Trip");
  EXPECT_EQ(project->preferences.project_path, files / "trip.prg");
}

TEST_F(MainWindowTest, ClosingAsksAsTheProgramAlwaysDidAndNeverLosesAProject) {
  window->show();
  // Unchanged: the close box asks; Exit does not.
  prompt.answers = {PromptAnswer::kNo};
  EXPECT_FALSE(window->close());
  EXPECT_THAT(prompt.shown, ElementsAre(asked("Do you want to quit?")));

  // Changed, the user wants it saved, and the save fails: the program stays.
  change_project();
  make_saves_fail();
  prompt.shown.clear();
  prompt.answers = {PromptAnswer::kYes};
  window->run_command(MainWindow::kExit);
  EXPECT_TRUE(window->isVisible());
  EXPECT_THAT(prompt.shown,
              ElementsAre(asked("Do you want to save this project?"),
                          Field(&PromptMessage::text,
                                Property(&UserText::english, HasSubstr("could not be saved")))));
  prompt.answers = {PromptAnswer::kYes};
  EXPECT_FALSE(window->close());

  // Saved: Exit ends without a question.
  project->preferences.project_path = files / "trip.prg";
  prompt.answers = {PromptAnswer::kYes};
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(fs::exists(files / "trip.prg"));
  window->show();
  prompt.shown.clear();
  window->run_command(MainWindow::kExit);
  EXPECT_FALSE(window->isVisible());
  EXPECT_THAT(prompt.shown, IsEmpty());
}

TEST_F(MainWindowTest, ALargerWindowGivesItsRoomToTheViewsAndComesBackAtItsSize) {
  // What holds content on each step's page, in the order: tree, thumbnails,
  // effect list, image line, music list.
  const auto views = [this] {
    std::vector<QSize> sizes;
    for (const int step : {0, 1, 2}) {
      window->show_page(step);
      test::process_events();
    }
    for (const QWidget* view : std::initializer_list<const QWidget*>{
             window->organize_page()->tree(), window->organize_page()->thumbnail_list(),
             window->effect_page()->effect_list(), window->effect_page()->image_line(),
             window->music_page()->music_list()})
      sizes.push_back(view->size());
    return sizes;
  };
  window->show();
  EXPECT_EQ(window->size(), QSize(852, 582));
  EXPECT_EQ(window->minimumSize(), QSize(852, 582));
  const std::vector<QSize> small = views();
  window->resize(1600, 1000);
  const std::vector<QSize> large = views();
  EXPECT_EQ(large[0].width(), small[0].width());
  EXPECT_GT(large[0].height(), small[0].height());
  for (const std::size_t grows : {1u, 2u, 4u}) {
    EXPECT_GT(large[grows].width(), small[grows].width() + 600) << grows;
    EXPECT_GT(large[grows].height(), small[grows].height() + 300) << grows;
  }
  EXPECT_GT(large[3].width(), small[3].width() + 600);
  EXPECT_EQ(large[3].height(), small[3].height());

  // The next window opens at the size this one closed at.
  prompt.answers = {PromptAnswer::kYes};
  ASSERT_TRUE(window->close());
  MainWindow next(*project, dialogs, *settings);
  EXPECT_EQ(next.size(), QSize(1600, 1000));
}

TEST_F(MainWindowTest, AFolderTheUserChoseSurvivesEveryWayOutOfAnUnsavedProject) {
  const fs::path mine = files / "Videos";
  const std::vector<fs::path> theirs{mine / "notes.txt", mine / "Output" / "holiday.mp4",
                                     mine / "trips" / "2025" / "beach.jpg"};
  for (const fs::path& file : theirs)
    test::write_file(file, "the user's");
  const auto choose_mine = [&] {
    SettingsDialog settings_dialog(*project, window->history(), dialogs, window.get());
    settings_dialog.normal_page()->folder_edit()->setText(path_text(mine));
    settings_dialog.save_button()->click();
    ASSERT_EQ(project->default_setting.output_folder, mine / "Output");
  };
  const auto all_there = [&](const char* after) {
    for (const fs::path& file : theirs)
      EXPECT_EQ(test::read_file(file), "the user's") << file << " after " << after;
  };
  change_project();
  project->preferences.project_path = files / "trip.prg";
  window->run_command(MainWindow::kSave);

  window->run_command(MainWindow::kNew);
  choose_mine();
  change_project();
  prompt.answers = {PromptAnswer::kNo};
  window->run_command(MainWindow::kNew);
  all_there("New");

  choose_mine();
  change_project();
  prompt.answers = {PromptAnswer::kNo};
  window->open_file(files / "trip.prg");
  ASSERT_EQ(project->preferences.project_path, files / "trip.prg");
  all_there("Open");

  window->run_command(MainWindow::kNew);
  choose_mine();
  change_project();
  window->show();
  prompt.answers = {PromptAnswer::kNo};
  EXPECT_TRUE(window->close());
  all_there("closing");
}

TEST_F(MainWindowTest, AFileThatIsNoProjectLeavesTheOpenProjectAsItWas) {
  change_project();
  project->preferences.project_path = files / "trip.prg";
  test::write_file(files / "notes.prg", "Dear diary");
  prompt.answers = {PromptAnswer::kNo};
  dialogs.paths.push_back(files / "notes.prg");
  window->run_command(MainWindow::kOpen);
  EXPECT_EQ(project->slideshow_count(), 1);
  EXPECT_EQ(project->preferences.project_path, files / "trip.prg");
  EXPECT_TRUE(project->modified);
  EXPECT_THAT(prompt.shown, ElementsAre(asked("Do you want to save this project?"),
                                        open_failed_message(files / "notes.prg",
                                                            "it is not a Pictavo project file")));

  prompt.shown.clear();
  window->run_command(MainWindow::kSave);
  EXPECT_EQ(test::read_file(files / "notes.prg"), "Dear diary");
  EXPECT_TRUE(fs::exists(files / "trip.prg"));
}

TEST_F(MainWindowTest, AFailedSaveNamesTheFileAndTheReasonAndKeepsTheChanges) {
  change_project();
  make_saves_fail();
  window->run_command(MainWindow::kSave);
  EXPECT_THAT(prompt.shown, ElementsAre(save_failed_message(files / "gone" / "trip.prg",
                                                            "No such file or directory")));
  EXPECT_TRUE(project->modified);
}

TEST_F(MainWindowTest, SlideshowsAddedOnOnePageShowInTheOtherPagesTrees) {
  window->show();
  for (int page = 1; page <= 2; ++page) {
    window->show_page(0);
    dialogs.paths.push_back(home.path() / "menu_pic" / "0.jpg");
    window->organize_page()->add_slideshow();
    test::process_events();
    window->show_page(page);
    test::process_events();
    const ProjectTree& tree =
        page == 1 ? *window->effect_page()->tree() : *window->music_page()->tree();
    EXPECT_EQ(tree.disc_item()->childCount(), project->slideshow_count()) << page;
  }
}

TEST_F(MainWindowTest, PagesOutOfViewHoldNoSlideshowThePageInViewMayDelete) {
  change_project();
  project->preferences.project_path = files / "trip.prg";
  window->run_command(MainWindow::kSave);
  ASSERT_FALSE(project->modified);
  window->show();
  window->open_file(files / "trip.prg");
  ASSERT_EQ(project->slideshow_count(), 1);
  EXPECT_EQ(window->effect_page()->image_line()->slideshow(), nullptr);

  prompt.answers = {PromptAnswer::kYes};
  window->organize_page()->delete_slideshow();
  EXPECT_EQ(project->slideshow_count(), 0);
  // Thumbnails made for the deleted slideshow's photos go nowhere.
  test::process_events();
}

TEST_F(MainWindowTest, EscapeInADurationEditCancelsTheEditAndNothingElse) {
  change_project();
  window->show();
  window->show_page(1);
  test::process_events();
  ImageLine& line = *window->effect_page()->image_line();
  line.begin_edit(0, ImageLine::Part::kPhotoDuration);
  ASSERT_NE(line.duration_edit(), nullptr);
  line.duration_edit()->setText("9");
  QTest::keyClick(line.duration_edit(), Qt::Key_Escape);
  EXPECT_EQ(line.duration_edit(), nullptr);
  EXPECT_THAT(prompt.shown, IsEmpty());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(project->current()->photos[0]->setting.effect.display_seconds, 3);
}

TEST_F(MainWindowTest, TheTitleNamesTheProjectAndMarksUnsavedChanges) {
  EXPECT_EQ(window->windowTitle(), "Untitled[*] - Pictavo");
  EXPECT_FALSE(window->isWindowModified());
  change_project();
  test::process_events();
  EXPECT_TRUE(window->isWindowModified());
  project->preferences.project_path = files / "trip.prg";
  window->run_command(MainWindow::kSave);
  EXPECT_EQ(window->windowTitle(), "trip[*] - Pictavo");
  EXPECT_FALSE(window->isWindowModified());
  project->current()->set_display_seconds(std::vector<int>{0}, 9);
  test::process_events();
  EXPECT_TRUE(window->isWindowModified());
}

TEST_F(MainWindowTest, UndoAndRedoReachEveryPageAndFindTheSavedPointAgain) {
  window->show();
  dialogs.paths = {home.path() / "menu_pic" / "0.jpg", home.path() / "menu_pic" / "1.jpg"};
  window->organize_page()->add_slideshow();
  project->preferences.project_path = files / "trip.prg";
  window->run_command(MainWindow::kSave);
  window->show_page(1);
  test::process_events();
  ImageLine& line = *window->effect_page()->image_line();
  const int both[] = {0, 1};
  line.select_photos(both);
  line.delete_selected();
  ASSERT_EQ(project->slideshow_count(), 0);

  QAction* undo = window->edit_menu()->actions().at(0);
  QAction* redo = window->edit_menu()->actions().at(1);
  EXPECT_EQ(undo->text(), "Undo Delete 2 Photos");
  undo->trigger();
  test::process_events();
  ASSERT_EQ(project->slideshow_count(), 1);
  EXPECT_EQ(line.slideshow(), project->current());
  EXPECT_EQ(window->effect_page()->tree()->disc_item()->childCount(), 1);
  EXPECT_FALSE(window->isWindowModified()) << "back at the saved point";
  EXPECT_EQ(redo->text(), "Redo Delete 2 Photos");
  window->show_page(0);
  test::process_events();
  EXPECT_EQ(window->organize_page()->thumbnail_list()->model()->rowCount(), 2);

  redo->trigger();
  test::process_events();
  EXPECT_EQ(project->slideshow_count(), 0);
  EXPECT_EQ(window->organize_page()->tree()->disc_item()->childCount(), 0);
  EXPECT_TRUE(window->isWindowModified());
  EXPECT_FALSE(redo->isEnabled());
}

TEST_F(MainWindowTest, TheCapacityBarShowsTheEstimateAfterTotalsChange) {
  project->estimated_mb = 123.45f;
  project->front_end.notify({ProjectChange::Kind::kTotalsChanged});
  EXPECT_EQ(window->capacity_bar()->text(), "Total: 4500.00MB used:123.45MB ");
}

TEST(PictavoProgram, ASecondStartEndsWithoutAWindow) {
  test::TempFolder runtime;
  fs::permissions(runtime.path(), fs::perms::owner_all, fs::perm_options::replace);
  const std::string runtime_text = runtime.path().string();
  const test::ScopedEnvironment folder("XDG_RUNTIME_DIR", runtime_text.c_str());
  test::ensure_qt_application();
  QLockFile first(single_instance_lock_path());
  ASSERT_TRUE(first.tryLock(0));
  const std::string program = (test::built_program_folder() / "pictavo").string();
  // A running program that does not answer: the second start only says so.
  const test::CommandResult unanswered = test::run_command(program, {});
  EXPECT_EQ(unanswered.exit_code, 0);
  EXPECT_EQ(unanswered.err, "Pictavo is already running.\n");

  // One that listens brings its window to the front and opens the file given.
  InstanceChannel channel;
  ASSERT_TRUE(channel.listen(single_instance_socket_path()));
  std::vector<QString> asked;
  QObject::connect(&channel, &InstanceChannel::activated,
                   [&asked](const QString& file) { asked.push_back(file); });
  const test::CommandResult second = test::run_command(program, {"trip.prg"});
  EXPECT_EQ(second.exit_code, 0);
  EXPECT_EQ(second.err, "Pictavo is already running; its window was brought to the front.\n");
  ASSERT_TRUE(test::wait_until([&asked] { return !asked.empty(); }));
  EXPECT_EQ(path_of(asked.front()), fs::current_path() / "trip.prg");
}

}  // namespace
}  // namespace pictavo
