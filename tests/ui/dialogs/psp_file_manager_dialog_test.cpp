#include "ui/dialogs/psp_file_manager_dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "modules/media_tools.h"
#include "support/files.h"
#include "support/scoped_environment.h"
#include "ui/app/main_window.h"
#include "ui/dialogs/completion_dialog.h"
#include "ui/dialogs/job_end_dialogs.h"
#include "ui/pages/produce_page.h"
#include "ui/ui_test.h"
#include "ui/widgets/capacity_view.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

constexpr char kNotConnected[] = "Please make sure the PSP is connected.";

QStringList texts_of(const QListWidget* list) {
  QStringList texts;
  for (int row = 0; row < list->count(); ++row)
    texts << list->item(row)->text();
  return texts;
}

void select(QListWidget* list, const QStringList& names) {
  list->clearSelection();
  for (int row = 0; row < list->count(); ++row)
    list->item(row)->setSelected(names.contains(list->item(row)->text()));
}

// A computer folder with a video, its thumbnail and a file the lists leave out,
// and a fake PSP drive holding one video.
class PspFileManagerTest : public test::UiTest {
 protected:
  PspFileManagerTest() {
    for (const char* name : {"Trip.mp4", "Trip.THM", "notes.txt"})
      test::write_file(output / name, name);
    for (const char* name : {"M4V00001.MP4", "M4V00001.THM"})
      test::write_file(psp / name, name);
    test::write_file(files / "PSP/MP_ROOT/100ANV01/MAQ00001.MP4", "an H.264 video");
    test::write_file(files / "STICK/photo.jpg");
  }

  void copy_and_wait(PspFileManagerDialog& dialog, bool to_psp) {
    bool ended = false;
    const QMetaObject::Connection connection =
        QObject::connect(&dialog, &PspFileManagerDialog::copy_ended, [&ended] { ended = true; });
    const QSize size = dialog.size();
    to_psp ? dialog.copy_to_psp() : dialog.copy_to_computer();
    EXPECT_TRUE(dialog.copying());
    test::process_events();
    EXPECT_EQ(dialog.size(), size) << "the progress row moved the dialog's edge";
    EXPECT_TRUE(test::wait_until([&ended] { return ended; })) << "the copy did not end";
    QObject::disconnect(connection);
  }

  // Runs `inspect` on the modal dialog that `open` opens, then closes it.
  template <typename Dialog>
  void with_modal(const std::function<void()>& open, const std::function<void(Dialog&)>& inspect) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      seen = true;
      inspect(*dialog);
    });
    open();
    EXPECT_TRUE(seen);
  }

  fs::path output = files / "Output";
  fs::path psp = files / "PSP/MP_ROOT/100MNV01";
  std::string roots = (files / "STICK").string() + ":" + (files / "PSP").string();
  test::ScopedEnvironment drives{"PICTAVO_DRIVE_ROOTS", roots.c_str()};
};

TEST_F(PspFileManagerTest, ShowsBothFoldersAndCopiesEitherWay) {
  PspFileManagerDialog dialog(output, project->front_end, dialogs);
  EXPECT_EQ(dialog.windowTitle(), "Copy Files to PSP");
  EXPECT_TRUE(prompt.shown.empty());
  EXPECT_EQ(dialog.findChild<QLineEdit*>("video_folder")->text().toStdString(),
            output.string() + "/");
  QComboBox* drive = dialog.drive_combo();
  ASSERT_EQ(drive->count(), 2);
  EXPECT_EQ(drive->itemText(0).toStdString(), (files / "STICK").string() + " (STICK)");
  EXPECT_EQ(drive->currentText().toStdString(), psp.string());
  EXPECT_EQ(dialog.psp_folder(), psp);
  EXPECT_THAT(texts_of(dialog.computer_list()), ElementsAre("Trip.THM", "Trip.mp4"));
  EXPECT_THAT(
      texts_of(dialog.psp_list()),
      ElementsAre("100MNV01/M4V00001.MP4", "100MNV01/M4V00001.THM", "100ANV01/MAQ00001.MP4"));
  EXPECT_TRUE(dialog.capacity_view()->has_drive());
  EXPECT_TRUE(dialog.psp_names_box()->isChecked());

  // Not videos FFmpeg can read: they keep their names, and a second copy is renamed.
  dialog.show();
  select(dialog.computer_list(), {"Trip.mp4", "Trip.THM"});
  copy_and_wait(dialog, true);
  EXPECT_EQ(dialog.copy_status(), "Copied 2 files to MP_ROOT/100MNV01.");
  select(dialog.computer_list(), {"Trip.mp4"});
  copy_and_wait(dialog, true);
  EXPECT_THAT(texts_of(dialog.psp_list()),
              ElementsAre("100MNV01/M4V00001.MP4", "100MNV01/M4V00001.THM", "100MNV01/Trip (2).mp4",
                          "100MNV01/Trip.THM", "100MNV01/Trip.mp4", "100ANV01/MAQ00001.MP4"));
  EXPECT_EQ(test::read_file(psp / "Trip (2).mp4"), "Trip.mp4");

  select(dialog.psp_list(),
         {"100MNV01/M4V00001.MP4", "100MNV01/M4V00001.THM", "100ANV01/MAQ00001.MP4"});
  copy_and_wait(dialog, false);
  EXPECT_EQ(dialog.copy_status().toStdString(), "Copied 3 files to " + output.string() + ".");
  EXPECT_THAT(texts_of(dialog.computer_list()),
              ElementsAre("M4V00001.MP4", "M4V00001.THM", "MAQ00001.MP4", "Trip.THM", "Trip.mp4"));
  EXPECT_TRUE(prompt.shown.empty());

  // The drive without a video folder was given one on opening, but keeps its label.
  EXPECT_TRUE(fs::is_directory(files / "STICK/MP_ROOT/100MNV01"));
  drive->setCurrentIndex(0);
  emit drive->activated(0);
  EXPECT_EQ(dialog.psp_folder(), files / "STICK/MP_ROOT/100MNV01");
  EXPECT_TRUE(texts_of(dialog.psp_list()).isEmpty());
}

TEST_F(PspFileManagerTest, MarksAVideoThatWillNotPlayAndAsksBeforeCopyingIt) {
  // 640 x 480 with 44.1 kHz sound: too large and the wrong rate for the PSP.
  ASSERT_TRUE(test::run_ffmpeg({"-f", "lavfi", "-i", "testsrc2=s=640x480:r=25", "-f", "lavfi", "-i",
                                "sine=sample_rate=44100", "-t", "0.5", "-ac", "2", "-c:v", "mpeg4",
                                "-c:a", "aac", "-f", "psp", (output / "Wide.mp4").string()}));
  PspFileManagerDialog dialog(output, project->front_end, dialogs);
  // Before the checks come back, copying a video checks it there and then.
  dialog.computer_list()->item(2)->setSelected(true);
  prompt.answers.push_back(PromptAnswer::kNo);
  dialog.copy_to_psp();
  ASSERT_EQ(prompt.shown.size(), 1u);
  prompt.shown.clear();
  ASSERT_TRUE(test::wait_until([&dialog] { return !dialog.checking_videos(); }));
  // Trip.mp4 is no video at all: it is copied as a plain file, unmarked.
  EXPECT_THAT(texts_of(dialog.computer_list()),
              ElementsAre("Trip.THM", "Trip.mp4", "Wide.mp4 (will not play)"));
  const QListWidgetItem* wide = dialog.computer_list()->item(2);
  EXPECT_THAT(wide->toolTip().toStdString(),
              HasSubstr("frame size: 640x480; the PSP needs at most 480x272"));
  EXPECT_THAT(wide->toolTip().toStdString(), HasSubstr("\nsample rate: 44100 Hz"));
  EXPECT_FALSE(wide->icon().isNull());
  EXPECT_TRUE(dialog.computer_list()->item(1)->toolTip().isEmpty());

  dialog.show();
  select(dialog.computer_list(), {"Wide.mp4 (will not play)"});
  prompt.answers.push_back(PromptAnswer::kNo);
  dialog.copy_to_psp();
  EXPECT_FALSE(dialog.copying());
  ASSERT_EQ(prompt.shown.size(), 1u);
  EXPECT_EQ(prompt.shown[0].buttons, PromptButtons::kYesNo);
  EXPECT_EQ(prompt.shown[0].icon, PromptIcon::kQuestion);
  EXPECT_THAT(prompt.shown[0].text.english(),
              StartsWith("This video will not play on the PSP:\n\nWide.mp4:\n- frame size: "
                         "640x480;"));
  EXPECT_THAT(prompt.shown[0].text.english(), EndsWith("\n\nCopy it anyway?"));
  EXPECT_EQ(dialog.copy_status(), "");

  select(dialog.computer_list(), {"Wide.mp4 (will not play)"});
  prompt.answers.push_back(PromptAnswer::kYes);
  copy_and_wait(dialog, true);
  EXPECT_EQ(prompt.shown.size(), 2u);
  EXPECT_EQ(dialog.copy_status(), "Copied 1 file to MP_ROOT/100MNV01.");
  // The list is marked again after the copy; a file that is no video asks nothing.
  ASSERT_TRUE(test::wait_until([&dialog] { return !dialog.checking_videos(); }));
  EXPECT_EQ(dialog.computer_list()->item(2)->text(), "Wide.mp4 (will not play)");
  select(dialog.computer_list(), {"Trip.mp4"});
  copy_and_wait(dialog, true);
  EXPECT_EQ(prompt.shown.size(), 2u);
}

TEST_F(PspFileManagerTest, WithoutAPspSaysSoAndCopiesNothing) {
  const test::ScopedEnvironment none("PICTAVO_DRIVE_ROOTS", "");
  PspFileManagerDialog dialog(files / "gone", project->front_end, dialogs);
  ASSERT_EQ(prompt.shown.size(), 1u);
  EXPECT_EQ(prompt.shown[0].text, std::string(kNotConnected) + "\nAnd the video folder " +
                                      (files / "gone").string() +
                                      " is not valid.\nPlease select a valid source folder.");
  EXPECT_EQ(prompt.shown[0].icon, PromptIcon::kInformation);

  dialogs.paths.push_back(output);
  dialog.findChild<QToolButton*>("browse")->click();
  EXPECT_THAT(dialogs.folder_titles, ElementsAre("Select output folder"));
  EXPECT_THAT(texts_of(dialog.computer_list()), ElementsAre("Trip.THM", "Trip.mp4"));

  dialog.findChild<QPushButton*>("detect")->click();
  ASSERT_EQ(prompt.shown.size(), 2u);
  EXPECT_EQ(prompt.shown[1].text, kNotConnected);
  EXPECT_EQ(dialog.drive_combo()->count(), 0);
  EXPECT_FALSE(dialog.capacity_view()->has_drive());
  select(dialog.computer_list(), {"Trip.mp4"});
  dialog.copy_to_psp();
  EXPECT_FALSE(dialog.copying());
}

TEST_F(PspFileManagerTest, TheProducePageAndTheCompletionDialogOpenItWithTheOutputFolder) {
  ProducePage& page = *window->produce_page();
  with_modal<PspFileManagerDialog>(
      [&] { page.findChild<QPushButton*>("psp_file_manager")->click(); },
      [&](PspFileManagerDialog& dialog) {
        EXPECT_EQ(dialog.computer_folder(), page.output_folder());
        dialog.reject();
      });

  ModalJobEndDialogs end_dialogs(window.get(), project->front_end, dialogs);
  bool transfer_seen = false;
  with_modal<CompletionDialog>(
      [&] { end_dialogs.mission_accomplished(output, true); },
      [&](CompletionDialog& completion) {
        QTimer::singleShot(0, [&] {
          auto* transfer = qobject_cast<PspFileManagerDialog*>(QApplication::activeModalWidget());
          ASSERT_NE(transfer, nullptr);
          transfer_seen = true;
          EXPECT_EQ(transfer->computer_folder(), output);
          transfer->reject();
        });
        completion.transfer_button()->click();
      });
  EXPECT_TRUE(transfer_seen);
}

// Half of a 1 GiB drive used: the upper half of the pie in the used colour, the
// lower half in the free colour, on the grey ground, with the sizes in MB.
TEST(CapacityViewTest, DrawsUsedAndFreeSpaceAsAPieWithTheirTexts) {
  test::ensure_qt_application();
  CapacityView view;
  view.set_drive_space_query([](const fs::path&) {
    return DriveSpace{
        .device = 1, .drive = "/media/PSP", .free_bytes = 1ULL << 29, .total_bytes = 1ULL << 30};
  });
  view.resize(300, 64);
  view.set_path("/media/PSP/MP_ROOT/100MNV01");
  const QImage image = view.grab().toImage();
  // The centre is a quarter of the width in, the radius half the height.
  EXPECT_EQ(image.pixel(75, 12), CapacityView::kUsedColour);
  EXPECT_EQ(image.pixel(75, 52), CapacityView::kFreeColour);
  EXPECT_EQ(image.pixel(297, 61), qRgb(230, 230, 230));
  EXPECT_EQ(view.texts().capacity, "Capacity: 1024.00 MB");
  EXPECT_EQ(view.texts().used, "Used: 512.00 MB");
  EXPECT_EQ(view.texts().free, "Free: 512.00 MB");

  view.set_path({});
  EXPECT_FALSE(view.has_drive());
}

}  // namespace
}  // namespace pictavo
