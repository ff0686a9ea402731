#include "ui/dialogs/missing_photos_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "edit/edit_history.h"
#include "model/project_file.h"
#include "support/files.h"
#include "ui/app/main_window.h"
#include "ui/pages/organize_photo_page.h"
#include "ui/ui_test.h"
#include "ui/widgets/thumbnail_list.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

class MissingPhotosDialogTest : public test::UiTest {};

TEST_F(MissingPhotosDialogTest, OpeningAProjectWhosePhotosMovedOffersToFindThem) {
  fs::create_directories(files / "trip");
  project->add_slideshow("Trip");
  for (const char* name : {"a.jpg", "b.jpg"}) {
    fs::copy_file(home.path() / "menu_pic" / "0.jpg", files / "trip" / name);
    project->current()->add_photo(files / "trip" / name, project->default_setting);
  }
  project->preferences.project_path = files / "trip.prg";
  ASSERT_TRUE(save_project(*project));
  fs::create_directories(files / "moved");
  fs::rename(files / "trip", files / "moved" / "trip");

  window->show();
  window->open_file(files / "trip.prg");
  auto* dialog = window->findChild<MissingPhotosDialog*>();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->list()->count(), 2);
  // The thumbnails mark them with the red cross.
  const QImage shown = window->organize_page()
                           ->thumbnail_list()
                           ->model()
                           ->index(0, 0)
                           .data(Qt::DecorationRole)
                           .value<QImage>();
  const QColor middle = shown.pixelColor(shown.width() / 2, shown.height() / 2);
  EXPECT_GT(middle.red(), 180);
  EXPECT_LT(middle.green(), 80);

  dialogs.paths = {files / "moved"};
  dialog->find_button()->click();
  EXPECT_EQ(dialog->list()->count(), 0);
  EXPECT_FALSE(dialog->find_button()->isEnabled());
  EXPECT_TRUE(dialog->outcome()->text().startsWith("Found 2 of 2 photos"));
  EXPECT_TRUE(project->missing_photos().empty());
  EXPECT_EQ(project->current()->photos[1]->source_path, files / "moved" / "trip" / "b.jpg");
  EXPECT_EQ(window->history().undo_name(), "Relink Photos");
  // Every photo found, opening again asks nothing.
  ASSERT_TRUE(save_project(*project));
  dialog->close();
  test::process_events();
  window->open_file(files / "trip.prg");
  EXPECT_EQ(window->findChild<MissingPhotosDialog*>(), nullptr);
}

}  // namespace
}  // namespace pictavo
