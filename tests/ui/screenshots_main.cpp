// Renders every window, page and dialog of the program offscreen into PNG files, so
// that the look can be reviewed without running the program (scripts/screenshots).
// Usage: ui_screenshots OUTPUT_FOLDER [PROJECT.prg]; the program folder is
// PICTAVO_HOME's.
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <chrono>
#include <cstdio>
#include <thread>

#include "base/program_folder.h"
#include "ui/about_dialog.h"
#include "ui/completion_dialog.h"
#include "ui/import_folder_dialog.h"
#include "ui/main_window.h"
#include "ui/organize_photo_page.h"
#include "ui/pictavo_app.h"
#include "ui/program_settings.h"
#include "ui/settings_dialog.h"
#include "ui/shutdown_countdown_dialog.h"
#include "ui/thumbnail_list.h"
#include "ui/tip_of_the_day_dialog.h"

namespace {

QString output_folder;

void settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

bool save(QWidget& widget, const char* name) {
  widget.show();
  settle();
  const QString file = output_folder + "/" + name + ".png";
  const bool saved = widget.grab().save(file);
  std::printf("%s %s\n", saved ? "wrote" : "could not write", file.toUtf8().constData());
  return saved;
}

// Runs the event loop until the page's thumbnails are all made.
void wait_for_thumbnails(const pictavo::OrganizePhotoPage& page) {
  for (int turn = 0; turn < 20000 && page.thumbnail_list()->is_loading(); ++turn) {
    settle();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Pictavo"));
  if (argc < 2) {
    std::fprintf(stderr, "usage: ui_screenshots OUTPUT_FOLDER [PROJECT.prg]\n");
    return 2;
  }
  output_folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(output_folder);

  pictavo::PictavoApp pictavo(pictavo::program_folder());
  pictavo::ProgramSettings(pictavo.settings()).set_tip_at_start_up(false);
  pictavo::MainWindow& window = pictavo.window();
  if (argc > 2) window.open_file(argv[2]);

  bool all = true;
  const char* pages[] = {"main_organize", "main_effect", "main_music", "main_produce"};
  for (int page = 0; page < 4; ++page) {
    window.show_page(page);
    wait_for_thumbnails(*window.organize_page());
    all = save(window, pages[page]) && all;
  }
  window.show_page(0);

  pictavo::OrganizePhotoPage& organize = *window.organize_page();
  const std::pair<int, const char*> views[] = {
      {pictavo::OrganizePhotoPage::kThumbnailSize0 + 2, "organize_large_thumbnails"},
      {pictavo::OrganizePhotoPage::kSmallThumbnail, "organize_small_thumbnails"},
      {pictavo::OrganizePhotoPage::kDetailList, "organize_detail_list"}};
  for (const auto& [command, name] : views) {
    organize.run_command(command);
    wait_for_thumbnails(organize);
    all = save(window, name) && all;
  }
  organize.run_command(pictavo::OrganizePhotoPage::kBigThumbnail);
  pictavo::ImportFolderDialog import(&window);
  all = save(import, "import_folder") && all;

  pictavo::AboutDialog about(pictavo::ProgramSettings(pictavo.settings()).version(), &window);
  all = save(about, "about") && all;
  pictavo::TipOfTheDayDialog tip(pictavo.project().preferences.program_folder / "Tips.txt",
                                 pictavo.settings(), &window);
  all = save(tip, "tip_of_the_day") && all;
  pictavo::FileDialogs dialogs(&window);
  pictavo::SettingsDialog settings(pictavo.project(), dialogs, &window);
  const char* tabs[] = {"settings_normal", "settings_option"};
  const auto tab_widgets = settings.findChildren<QTabWidget*>();
  for (int tab = 0; tab < 2; ++tab) {
    if (!tab_widgets.isEmpty()) tab_widgets.front()->setCurrentIndex(tab);
    all = save(settings, tabs[tab]) && all;
    if (tab_widgets.isEmpty()) break;
  }
  pictavo::CompletionDialog completion(pictavo.project().default_setting.output_folder, &window);
  all = save(completion, "information") && all;
  pictavo::ShutdownCountdownDialog countdown(&window);
  all = save(countdown, "shutdown_countdown") && all;
  return all ? 0 : 1;
}
