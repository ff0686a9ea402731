#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/dialogs/completion_dialog.h"
#include "ui/dialogs/shutdown_countdown_dialog.h"
#include "ui/ui_test.h"

namespace pictavo {
namespace {

TEST(JobEndDialogs, TheCompletionDialogShowsTheOutputFolder) {
  test::ensure_qt_application();
  const CompletionDialog dialog("/home/me/Videos");
  EXPECT_EQ(dialog.windowTitle(), "Information");
  EXPECT_EQ(dialog.findChild<QLineEdit*>("output_folder")->text(), "/home/me/Videos");
  QStringList texts;
  for (const QLabel* label : dialog.findChildren<QLabel*>())
    texts << label->text();
  EXPECT_TRUE(texts.contains("Mission accomplished!"));
  EXPECT_TRUE(texts.contains(
      "Next step: connect the PSP to your computer with a USB cable, and then click the "
      "\"Transfer to PSP\" button."));
  EXPECT_EQ(dialog.open_folder_button()->text(), "Open Output Folder");
  EXPECT_TRUE(dialog.transfer_button()->isEnabled());
  EXPECT_FALSE(dialog.transfer_button()->isHidden());

  // Videos for phones, tablets and TVs are not offered to the PSP.
  const CompletionDialog other("/home/me/Videos", nullptr,
                               CompletionDialog::Videos::kForOtherPlayers);
  EXPECT_TRUE(other.transfer_button()->isHidden());
}

TEST(JobEndDialogs, TheCountdownAnswersOkAfterTenSecondsWithoutAnAnswer) {
  test::ensure_qt_application();
  ShutdownCountdownDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), "Pictavo");
  const QLabel& text = *dialog.findChild<QLabel*>("text");
  EXPECT_EQ(text.text(),
            "The computer will shut down in 10 seconds!\nIf you do not want it to shut down, "
            "press Cancel.");
  dialog.show();
  for (int second = 1; second < ShutdownCountdownDialog::kSeconds; ++second)
    dialog.tick();
  EXPECT_TRUE(text.text().startsWith("The computer will shut down in 1 second!"));
  EXPECT_TRUE(dialog.isVisible());
  dialog.tick();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace pictavo
