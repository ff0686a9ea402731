// Renders every window, page and dialog of the program offscreen into PNG files, so
// that the look can be reviewed without running the program (scripts/screenshots).
// Usage: ui_screenshots [--language LL] OUTPUT_FOLDER [PROJECT.prg [VIDEO_FOLDER]];
// the program folder is PICTAVO_HOME's. The videos of VIDEO_FOLDER (by default the
// project's output folder) are also copied onto a fake PSP drive for the transfer
// dialog. With --language, the main window's pages, the Settings dialog, the tip of
// the day and Wipe's settings are rendered in that language instead, named with
// "_LL" at the end.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

#include "base/program_folder.h"
#include "device/copy_plan.h"
#include "device/file_copier.h"
#include "device/psp_detection.h"
#include "edit/edit_history.h"
#include "model/slideshow.h"
#include "ui/app/main_window.h"
#include "ui/app/pictavo_app.h"
#include "ui/app/program_settings.h"
#include "ui/app/user_language.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/completion_dialog.h"
#include "ui/dialogs/import_folder_dialog.h"
#include "ui/dialogs/missing_photos_dialog.h"
#include "ui/dialogs/psp_file_manager_dialog.h"
#include "ui/dialogs/settings_dialog.h"
#include "ui/dialogs/shutdown_countdown_dialog.h"
#include "ui/dialogs/tip_of_the_day_dialog.h"
#include "ui/dialogs/transition_setting_dialog.h"
#include "ui/editor/picture_canvas.h"
#include "ui/editor/picture_decoration_page.h"
#include "ui/editor/picture_editor_dialog.h"
#include "ui/editor/picture_transform_page.h"
#include "ui/pages/effect_page.h"
#include "ui/pages/music_page.h"
#include "ui/pages/organize_photo_page.h"
#include "ui/pages/produce_page.h"
#include "ui/widgets/effect_list.h"
#include "ui/widgets/full_screen_preview.h"
#include "ui/widgets/image_line.h"
#include "ui/widgets/preview_widget.h"
#include "ui/widgets/thumbnail_list.h"

namespace {

QString output_folder;

void settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

// Runs the event loop until `done` or `ms` milliseconds have passed.
void wait_until(const std::function<bool()>& done, int ms) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < ms)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool thumbnails_made(const pictavo::ImageLine& line) {
  if (line.slideshow() == nullptr) return true;
  for (const auto& photo : line.slideshow()->photos) {
    if (!photo->thumbnail) return false;
  }
  return true;
}

// The larger size windows and dialogs are also shown at.
constexpr QSize kLargeSize{1600, 1000};

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
  wait_until([&] { return !page.thumbnail_list()->is_loading(); }, 20000);
}

void drag(QWidget& widget, QPoint from, QPoint to) {
  for (const auto& [type, at] :
       {std::pair{QEvent::MouseButtonPress, from}, std::pair{QEvent::MouseMove, to},
        std::pair{QEvent::MouseButtonRelease, to}}) {
    QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
  }
}

// The picture editor on each of its pages, the first photo cropped to the TV's
// screen with a decoration and a text on it.
bool save_picture_editor(pictavo::Project& project, pictavo::UserDialogs& dialogs,
                         pictavo::MainWindow& window) {
  const pictavo::Slideshow* slideshow = project.current();
  if (slideshow == nullptr || slideshow->photos.empty()) return true;
  pictavo::PictureEditorDialog editor(project, window.history(), 0, dialogs, &window);
  pictavo::PictureCanvas& canvas = *editor.canvas();
  editor.findChild<pictavo::PictureTransformPage*>()->screen_ratio_box()->setChecked(true);
  // The lower right handle a quarter of the way in, then the crop.
  const QSize size = canvas.picture_size();
  const QPoint corner((canvas.width() + size.width()) / 2 - 1,
                      (canvas.height() + size.height()) / 2 - 1);
  drag(canvas, corner, corner - QPoint(size.width() / 4, size.height() / 4));
  canvas.crop_to_frame();
  pictavo::PictureDecorationPage& images = *editor.findChild<pictavo::PictureDecorationPage*>();
  images.button(pictavo::PictureDecorationPage::kAdd)->click();
  // New overlays come in at the middle: the decoration goes up and to the left.
  const QPoint middle(canvas.width() / 2, canvas.height() / 2);
  drag(canvas, middle, middle - QPoint(120, 80));
  canvas.add_text();
  bool all = true;
  const char* names[] = {"picture_editor_transform", "picture_editor_text", "picture_editor_image",
                         "picture_editor_adjust"};
  for (int tab = 0; tab < editor.tabs()->count(); ++tab) {
    editor.tabs()->setCurrentIndex(tab);
    all = save(editor, names[tab]) && all;
  }
  editor.resize(kLargeSize);
  return save(editor, "large_picture_editor") && all;
}

// A folder named as the only removable drive, holding `videos` as the transfer
// dialog copies them onto a PSP.
bool make_fake_psp(const QTemporaryDir& drive, const std::filesystem::path& videos) {
  const std::filesystem::path root = std::filesystem::path(drive.path().toStdString()) / "PSP";
  const std::filesystem::path folder = root / pictavo::kPspVideoFolder;
  std::filesystem::create_directories(folder);
  ::setenv("PICTAVO_DRIVE_ROOTS", root.c_str(), 1);
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(videos, error))
    files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  const pictavo::Result<std::vector<pictavo::CopyStep>> plan =
      pictavo::plan_copy_to_psp(files, folder);
  return plan &&
         pictavo::FileCopier().copy(*plan, {}, nullptr).outcome == pictavo::CopyOutcome::kDone;
}

// The dark palette of a dark desktop theme.
QPalette dark_palette() {
  QPalette dark;
  const QColor window(0x35, 0x35, 0x35);
  const QColor base(0x23, 0x23, 0x23);
  const QColor text(0xEE, 0xEE, 0xEE);
  dark.setColor(QPalette::Window, window);
  dark.setColor(QPalette::WindowText, text);
  dark.setColor(QPalette::Base, base);
  dark.setColor(QPalette::AlternateBase, window);
  dark.setColor(QPalette::ToolTipBase, QColor(0x45, 0x45, 0x45));
  dark.setColor(QPalette::ToolTipText, text);
  dark.setColor(QPalette::Text, text);
  dark.setColor(QPalette::Button, window);
  dark.setColor(QPalette::ButtonText, text);
  dark.setColor(QPalette::Mid, QColor(0x5A, 0x5A, 0x5A));
  dark.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
  dark.setColor(QPalette::HighlightedText, Qt::white);
  return dark;
}

// The main window's pages, the Settings dialog's, the tip of the day and a transition's
// settings in the language installed, each named after the English one with `suffix`
// ("_de").
bool save_translated(pictavo::PictavoApp& pictavo, const QString& suffix) {
  pictavo::MainWindow& window = pictavo.window();
  bool all = true;
  const char* pages[] = {"main_window", "main_effect", "main_music", "main_produce"};
  for (int page = 0; page < 4; ++page) {
    window.show_page(page);
    wait_for_thumbnails(*window.organize_page());
    all = save(window, (pages[page] + suffix).toUtf8().constData()) && all;
  }
  window.show_page(0);
  pictavo::FileDialogs dialogs(&window);
  pictavo::SettingsDialog settings(pictavo.project(), window.history(), dialogs, &window);
  const char* tabs[] = {"settings_normal", "settings_option"};
  for (int tab = 0; tab < 2; ++tab) {
    settings.tabs()->setCurrentIndex(tab);
    all = save(settings, (tabs[tab] + suffix).toUtf8().constData()) && all;
  }
  pictavo::TipOfTheDayDialog tip(window.tips_file(), pictavo.settings(), &window);
  all = save(tip, ("tip_of_the_day" + suffix).toUtf8().constData()) && all;
  pictavo::TransitionSettingDialog wipe(*pictavo.project().effect_set.template_at(
                                            pictavo::picker_index(pictavo::TransitionType::kWipe)),
                                        &window);
  return save(wipe, ("transition_setting_wipe" + suffix).toUtf8().constData()) && all;
}

}  // namespace

int main(int argc, char** argv) {
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);  // previews play their music without a sound
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Pictavo"));
  QString language;
  if (argc > 2 && std::string_view(argv[1]) == "--language") {
    language = QString::fromLocal8Bit(argv[2]);
    argc -= 2;
    argv += 2;
  }
  if (argc < 2) {
    std::fprintf(stderr,
                 "usage: ui_screenshots [--language LL] OUTPUT_FOLDER [PROJECT.prg "
                 "[VIDEO_FOLDER]]\n");
    return 2;
  }
  output_folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(output_folder);

  // English unless a language is asked for, whatever the machine's locale.
  const pictavo::UserLanguage user_language(
      pictavo::program_folder(), QLocale(language.isEmpty() ? QStringLiteral("en") : language));
  if (!language.isEmpty() && user_language.language() != language) {
    std::fprintf(stderr, "no translation for %s\n", language.toLocal8Bit().constData());
    return 1;
  }
  pictavo::PictavoApp pictavo(pictavo::program_folder());
  pictavo::ProgramSettings(pictavo.settings()).set_tip_at_start_up(false);
  pictavo::MainWindow& window = pictavo.window();
  if (argc > 2) window.open_file(argv[2]);
  if (!language.isEmpty()) return save_translated(pictavo, QLatin1Char('_') + language) ? 0 : 1;

  bool all = true;
  const char* pages[] = {"main_organize", "main_effect", "main_music", "main_produce"};
  pictavo::EffectPage& effect_page = *window.findChild<pictavo::EffectPage*>();
  for (int page = 0; page < 4; ++page) {
    window.show_page(page);
    wait_for_thumbnails(*window.organize_page());
    if (page == 1) wait_until([&] { return thumbnails_made(*effect_page.image_line()); }, 10000);
    all = save(window, pages[page]) && all;
  }
  // A profile for phones, tablets and TVs: PSP copying is not offered.
  if (auto* profiles = window.produce_page()->findChild<QComboBox*>(QStringLiteral("profile"))) {
    const int chosen = profiles->currentIndex();
    const int full_hd = profiles->findText(QStringLiteral("Full HD"), Qt::MatchStartsWith);
    profiles->setCurrentIndex(full_hd);
    emit profiles->activated(full_hd);
    all = save(window, "main_produce_hd") && all;
    profiles->setCurrentIndex(chosen);
    emit profiles->activated(chosen);
  }
  const QSize default_size = window.size();
  window.resize(kLargeSize);
  const char* large_pages[] = {"large_main_organize", "large_main_effect", "large_main_music",
                               "large_main_produce"};
  for (int page = 0; page < 4; ++page) {
    window.show_page(page);
    all = save(window, large_pages[page]) && all;
  }
  window.resize(default_size);
  // The transition into the second photo, caught about halfway through its two
  // seconds (the first picture is shown at once, the transition follows).
  window.show_page(1);
  effect_page.image_line()->select_photos(std::vector<int>{1});
  effect_page.preview_photo(1);
  wait_until([] { return false; }, 1000);
  all = save(window, "main_effect_preview") && all;
  // The Wipe entry of the effect list played between the sample pictures.
  const int wipe = static_cast<int>(pictavo::TransitionType::kWipe) + 1;
  effect_page.effect_list()->setCurrentRow(wipe);
  effect_page.preview_entry(wipe);
  wait_until([] { return false; }, 1000);
  all = save(window, "main_effect_transition") && all;
  effect_page.preview()->stop();
  // Captions: the file names, and one typed for the second photo, played from there.
  QComboBox& automatic = *effect_page.combo(pictavo::EffectPage::kAutoCaptionCombo);
  automatic.setCurrentIndex(static_cast<int>(pictavo::AutoCaption::kFileName));
  emit automatic.activated(automatic.currentIndex());
  QLineEdit& caption = *effect_page.caption_field();
  caption.setFocus();
  caption.setText(QStringLiteral("The lighthouse at the end of the pier"));
  caption.setModified(true);
  emit caption.textEdited(caption.text());
  emit caption.editingFinished();
  effect_page.play_from_here();
  wait_until([] { return false; }, 1500);
  all = save(window, "main_effect_captions") && all;
  effect_page.preview()->stop();
  window.history().undo();
  window.history().undo();
  // The slideshow over the whole screen, from the third photo on.
  effect_page.image_line()->select_photos(std::vector<int>{2});
  effect_page.play_full_screen();
  if (pictavo::FullScreenPreview* full = effect_page.full_screen()) {
    wait_until([] { return false; }, 2500);
    all = save(*full, "full_screen_preview") && all;
    full->close();
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
  // The slideshow preview a few seconds in, its music silenced by the dummy output.
  window.show_page(2);
  window.music_page()->run_command(pictavo::MusicPage::kPreviewSlideshow);
  wait_until([] { return false; }, 3000);
  all = save(window, "main_music_preview") && all;
  window.music_page()->run_command(pictavo::MusicPage::kStopPreview);
  window.show_page(0);
  pictavo::ImportFolderDialog import(&window);
  all = save(import, "import_folder") && all;

  pictavo::AboutDialog about(QStringLiteral(PICTAVO_VERSION), &window);
  all = save(about, "about") && all;
  pictavo::TipOfTheDayDialog tip(pictavo.project().preferences.program_folder / "Tips.txt",
                                 pictavo.settings(), &window);
  all = save(tip, "tip_of_the_day") && all;
  pictavo::FileDialogs dialogs(&window);
  pictavo::SettingsDialog settings(pictavo.project(), window.history(), dialogs, &window);
  const char* tabs[] = {"settings_normal", "settings_option"};
  const auto tab_widgets = settings.findChildren<QTabWidget*>();
  for (int tab = 0; tab < 2; ++tab) {
    if (!tab_widgets.isEmpty()) tab_widgets.front()->setCurrentIndex(tab);
    all = save(settings, tabs[tab]) && all;
    if (tab_widgets.isEmpty()) break;
  }
  all = save_picture_editor(pictavo.project(), dialogs, window) && all;
  pictavo::CompletionDialog completion(pictavo.project().default_setting.output_folder, &window);
  all = save(completion, "information") && all;
  pictavo::ShutdownCountdownDialog countdown(&window);
  all = save(countdown, "shutdown_countdown") && all;
  for (int id = 0; id < pictavo::kConcreteTransitionCount; ++id) {
    const auto type = static_cast<pictavo::TransitionType>(id);
    pictavo::TransitionSettingDialog setting(
        *pictavo.project().effect_set.template_at(pictavo::picker_index(type)), &window);
    const std::string_view type_name = pictavo::display_name(type);
    const QString name =
        QStringLiteral("transition_setting_") +
        QString::fromUtf8(type_name.data(), static_cast<qsizetype>(type_name.size()))
            .toLower()
            .replace(' ', '_');
    all = save(setting, name.toUtf8().constData()) && all;
  }

  const std::filesystem::path videos =
      argc > 3 ? std::filesystem::path(argv[3]) : pictavo.project().default_setting.output_folder;
  const QTemporaryDir drive;
  if (!make_fake_psp(drive, videos)) {
    std::fprintf(stderr, "could not make the fake PSP drive\n");
    return 1;
  }
  pictavo::PspFileManagerDialog transfer(videos, pictavo.project().front_end, dialogs, &window);
  wait_until([&transfer] { return !transfer.checking_videos(); }, 10000);
  transfer.computer_list()->selectAll();
  all = save(transfer, "psp_file_manager") && all;
  transfer.resize(kLargeSize);
  all = save(transfer, "large_psp_file_manager") && all;

  // A photo whose file was not found: crossed out, and the dialog that finds it.
  if (pictavo::Slideshow* shown = pictavo.project().current();
      shown != nullptr && shown->photos.size() > 1) {
    pictavo::PhotoItem& photo = *shown->photos[1];
    photo.missing = true;
    window.show_page(1);
    window.show_page(0);
    all = save(window, "organize_missing_photo") && all;
    pictavo::MissingPhotosDialog missing(pictavo.project(), window.history(), dialogs, &window);
    all = save(missing, "missing_photos") && all;
    photo.missing = false;
  }

  // The window on a dark desktop: Fusion with a dark palette.
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setPalette(dark_palette());
  const char* dark_pages[] = {"dark_main_organize", "dark_main_effect", "dark_main_music",
                              "dark_main_produce"};
  for (int page = 0; page < 4; ++page) {
    window.show_page(page);
    all = save(window, dark_pages[page]) && all;
  }
  all = save(tip, "dark_tip_of_the_day") && all;
  return all ? 0 : 1;
}
