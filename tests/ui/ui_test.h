#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QFont>
#include <QLocale>
#include <QSettings>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "model/project.h"
#include "model/prompt.h"
#include "support/temp_program_folder.h"
#include "ui/app/user_dialogs.h"
#include "ui/app/user_language.h"

namespace pictavo {
class MainWindow;
}  // namespace pictavo

namespace pictavo::test {

// The one QApplication of a test program (offscreen).
void ensure_qt_application();
// Runs the posted events until none is left.
void process_events();
// Runs the event loop until `done` holds; false when it still does not after 20
// seconds, far longer than any wait of a test should take.
[[nodiscard]] bool wait_until(const std::function<bool()>& done);

// Answers each message with the next scripted answer, or the cautious answer when
// none is left, and keeps every message shown.
class ScriptedPrompt final : public Prompt {
 public:
  PromptAnswer show(const PromptMessage& message) override;
  std::deque<PromptAnswer> answers;
  std::vector<PromptMessage> shown;
};

// Gives each chooser the next scripted path, or a cancel when none is left (the
// import and picture choosers take every scripted path left), and keeps the titles of the
// folder choosers.
class ScriptedDialogs final : public UserDialogs {
 public:
  std::optional<std::filesystem::path> open_project(const std::filesystem::path&) override;
  std::optional<std::filesystem::path> save_project(const std::filesystem::path&) override;
  std::optional<std::filesystem::path> choose_folder(const std::string&,
                                                     const std::filesystem::path&) override;
  std::vector<std::filesystem::path> import_folders() override;
  std::vector<std::filesystem::path> add_pictures(const std::filesystem::path&) override;
  // Every scripted path left, as the picture chooser.
  std::vector<std::filesystem::path> add_music() override { return import_folders(); }
  std::optional<QFont> choose_font(const QFont&) override;
  std::optional<QColor> choose_colour(const QColor&) override;
  std::deque<std::filesystem::path> paths;
  std::optional<QFont> font;  // chosen once, then a cancel
  std::optional<QColor> colour;
  std::vector<std::string> folder_titles;
  // Where each project file chooser and each photo chooser started.
  std::vector<std::filesystem::path> project_folders;
  std::vector<std::filesystem::path> picture_folders;

 private:
  std::optional<std::filesystem::path> next();
};

// A started project in a temporary program folder (output profiles, the real
// modules and data files of the build), a settings file that does not show the
// tip at start-up, and the main window over them with scripted prompt and
// choosers. The window speaks English, or the language given, whose translations
// are installed before it is built.
class UiTest : public ::testing::Test {
 protected:
  UiTest();
  explicit UiTest(const QLocale& language);
  ~UiTest() override;

  TempProgramFolder home;
  std::unique_ptr<UserLanguage> language;
  TempFolder files;
  ScriptedPrompt prompt;
  ScriptedDialogs dialogs;
  std::unique_ptr<Project> project;
  std::unique_ptr<QSettings> settings;
  std::unique_ptr<MainWindow> window;
};

}  // namespace pictavo::test
