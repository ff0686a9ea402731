#include "ui/ui_test.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <chrono>
#include <thread>
#include <utility>

#include "model/project_start.h"
#include "model/unsaved_changes.h"
#include "ui/app/main_window.h"
#include "ui/app/program_settings.h"

namespace pictavo::test {

void ensure_qt_application() {
  if (QApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "ui_tests";
  static char* argv[] = {name, nullptr};
  // Never destroyed: Qt's own globals may go first when the program ends.
  static QApplication* const app = new QApplication(argc, argv);
  (void)app;
  QApplication::setApplicationDisplayName(QStringLiteral("Pictavo"));
}

void process_events() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

bool wait_until(const std::function<bool()>& done) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > 20000) return false;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

PromptAnswer ScriptedPrompt::show(const PromptMessage& message) {
  shown.push_back(message);
  if (answers.empty()) return cautious_answer(message.buttons);
  const PromptAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::filesystem::path> ScriptedDialogs::next() {
  if (paths.empty()) return std::nullopt;
  std::filesystem::path path = paths.front();
  paths.pop_front();
  return path;
}

std::optional<std::filesystem::path> ScriptedDialogs::open_project(
    const std::filesystem::path& folder) {
  project_folders.push_back(folder);
  return next();
}

std::optional<std::filesystem::path> ScriptedDialogs::save_project(
    const std::filesystem::path& folder) {
  project_folders.push_back(folder);
  return next();
}

std::optional<std::filesystem::path> ScriptedDialogs::choose_folder(const std::string& title,
                                                                    const std::filesystem::path&) {
  folder_titles.push_back(title);
  return next();
}

std::vector<std::filesystem::path> ScriptedDialogs::import_folders() {
  std::vector<std::filesystem::path> folders(paths.begin(), paths.end());
  paths.clear();
  return folders;
}

std::vector<std::filesystem::path> ScriptedDialogs::add_pictures(
    const std::filesystem::path& folder) {
  picture_folders.push_back(folder);
  return import_folders();
}

std::optional<QFont> ScriptedDialogs::choose_font(const QFont&) {
  return std::exchange(font, std::nullopt);
}

std::optional<QColor> ScriptedDialogs::choose_colour(const QColor&) {
  return std::exchange(colour, std::nullopt);
}

UiTest::UiTest() : UiTest(QLocale(QLocale::English)) {}

UiTest::UiTest(const QLocale& locale) {
  ensure_qt_application();
  for (const char* part :
       {"profile", "menu_pic", "res", "translations", "libZorvEncoder.so", "libxToMp2.so"})
    home.install(part);
  language = std::make_unique<UserLanguage>(home.path(), locale);
  project = std::make_unique<Project>(home.path());
  start_project(*project);
  clear_unsaved();  // left over from the tests before
  project->front_end.prompt = &prompt;
  settings = std::make_unique<QSettings>(QString::fromStdString((files / "pictavo.ini").string()),
                                         QSettings::IniFormat);
  ProgramSettings(*settings).set_tip_at_start_up(false);
  window = std::make_unique<MainWindow>(*project, dialogs, *settings);
  process_events();
}

UiTest::~UiTest() {
  project->front_end = {};
  window.reset();
  process_events();
}

}  // namespace pictavo::test
