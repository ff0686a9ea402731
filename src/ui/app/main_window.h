#pragma once

#include <QWidget>
#include <filesystem>
#include <memory>

#include "edit/edit_history.h"
#include "ui/app/project_commands.h"

class QAction;
class QMenu;
class QPushButton;
class QSettings;
class QStackedWidget;
class QToolButton;

namespace pictavo {

class CapacityBar;
class EffectPage;
class MusicPage;
class OrganizePhotoPage;
class ProducePage;
class Project;
class StepPage;
class StepTabBar;
class TransitionSettingDialogs;
class UserDialogs;
class ProjectSignals;
struct ProjectChange;

// The program's window: the Project and Help menus, the four step pages behind the
// tab strip, the capacity bar and the Open and Save buttons. It owns nothing of the
// project; it runs the project commands and keeps the pages in step with them.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // Menu command ids, as the program has always numbered them.
  enum Command : int {
    kNew = 32771,
    kOpen = 32772,
    kSave = 32773,
    kSaveAs = 32774,
    kSettings = 32775,
    kExit = 32776,
    kHelpManual = 32777,
    kUpdate = 32778,
    kAbout = 32779,
    kTipEveryday = 32788,
  };

  MainWindow(Project& project, UserDialogs& dialogs, QSettings& settings,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // Opens a project file named on the command line.
  void open_file(const std::filesystem::path& file);
  // Shows the window in front of the others, as a second start asks.
  void bring_to_front();
  // Carries out a menu command, as choosing it does.
  void run_command(Command command);

  int current_page() const;
  void show_page(int index);
  // The tips of the day in the user's language: Tips.txt of the program folder, or
  // the translation's own, such as Tips_de.txt.
  std::filesystem::path tips_file() const;
  QMenu* project_menu() const { return project_menu_; }
  QMenu* edit_menu() const { return edit_menu_; }
  QMenu* help_menu() const { return help_menu_; }
  EditHistory& history() { return history_; }
  // The project's change notices, which the pages follow.
  ProjectSignals& project_signals() { return *changes_; }
  CapacityBar* capacity_bar() const { return capacity_; }
  OrganizePhotoPage* organize_page() const { return organize_page_; }
  EffectPage* effect_page() const { return effect_page_; }
  MusicPage* music_page() const { return music_page_; }
  ProducePage* produce_page() const { return produce_page_; }
  ProjectCommands& commands() { return commands_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // After opening a project with photos whose files were not found.
  void offer_to_find_missing_photos();
  void build_menus();
  void build_controls();
  // Keeps the totals, the title and the pages in step with a change of the project.
  void follow(const ProjectChange& change);
  void enable_commands(bool enabled);
  void release_project();
  void project_replaced();
  // Takes back the newest step, or makes the next one `again`, and shows the result.
  void take_step(bool again);
  void refresh_edit_actions();
  void refresh_totals();
  // The project's name, with "*" while it has unsaved changes.
  void refresh_title();
  void show_tip_of_the_day();
  void show_about();
  void exit_program();
  StepPage* page(int index) const;

  Project& project_;
  UserDialogs& dialogs_;
  QSettings& settings_;
  EditHistory history_;
  ProjectCommands commands_;
  std::unique_ptr<TransitionSettingDialogs> transition_dialogs_;
  ProjectSignals* changes_;
  bool quitting_ = false;         // the user agreed to quit: the close needs no more questions
  bool commands_enabled_ = true;  // no job is running

  QPushButton* project_button_ = nullptr;
  QPushButton* edit_button_ = nullptr;
  QPushButton* help_button_ = nullptr;
  QMenu* project_menu_ = nullptr;
  QMenu* edit_menu_ = nullptr;
  QAction* undo_action_ = nullptr;
  QAction* redo_action_ = nullptr;
  QMenu* help_menu_ = nullptr;
  StepTabBar* tabs_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  OrganizePhotoPage* organize_page_ = nullptr;
  EffectPage* effect_page_ = nullptr;
  MusicPage* music_page_ = nullptr;
  ProducePage* produce_page_ = nullptr;
  CapacityBar* capacity_ = nullptr;
  QToolButton* open_button_ = nullptr;
  QToolButton* save_button_ = nullptr;
};

}  // namespace pictavo
