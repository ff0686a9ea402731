// The Organize Photo page as the user drives it: its buttons and menus over the
// project, the tree and the two photo views.
#include "ui/pages/organize_photo_page.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <initializer_list>
#include <string>
#include <vector>

#include "model/project_messages.h"
#include "profiles/output_profile.h"
#include "support/files.h"
#include "ui/app/main_window.h"
#include "ui/pages/effect_page.h"
#include "ui/pages/music_page.h"
#include "ui/ui_test.h"
#include "ui/widgets/hint_balloon.h"
#include "ui/widgets/photo_detail_list.h"
#include "ui/widgets/project_tree.h"
#include "ui/widgets/thumbnail_list.h"

namespace pictavo {
namespace {

using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class OrganizePhotoPageTest : public test::UiTest {
 protected:
  OrganizePhotoPageTest() : page(*window->organize_page()) {}

  // Picture files "name" of the given size, each its own colour.
  std::vector<std::filesystem::path> photos(const std::vector<std::string>& names, int width = 64,
                                            int height = 48) {
    std::vector<std::filesystem::path> paths;
    unsigned colour = 0x204060;
    for (const std::string& name : names) {
      paths.push_back(test::write_photo(files / name, width, height, colour));
      colour += 0x302010;
    }
    return paths;
  }

  void choose(const std::vector<std::filesystem::path>& paths) {
    dialogs.paths.assign(paths.begin(), paths.end());
  }

  std::string order() const {
    std::string names;
    for (const auto& photo : project->current()->photos)
      names += photo->file_name.substr(0, 1);
    return names;
  }

  std::string shown_order() const {
    std::string names;
    QAbstractItemModel& model = *page.thumbnail_list()->model();
    for (int row = 0; row < model.rowCount(); ++row)
      names += model.index(row, 0).data().toString().left(1).toStdString();
    return names;
  }

  void select_thumbnails(const std::vector<int>& rows) {
    ThumbnailList& list = *page.thumbnail_list();
    list.clearSelection();
    for (const int row : rows)
      list.selectionModel()->select(list.model()->index(row, 0), QItemSelectionModel::Select);
  }

  void wait_until_loaded() {
    ASSERT_TRUE(test::wait_until([this] { return !page.thumbnail_list()->is_loading(); }))
        << "the thumbnails are still loading";
  }

  int tree_items() const { return page.tree()->disc_item()->childCount(); }

  OrganizePhotoPage& page;
};

TEST_F(OrganizePhotoPageTest, ButtonsMenusAndDetailColumnsAreThePrograms) {
  window->show();
  EXPECT_EQ(page.findChildren<QToolButton*>(Qt::FindDirectChildrenOnly).size(), 15);
  EXPECT_EQ(page.button(OrganizePhotoPage::kAddSlideshow)->toolTip(),
            "Add Slideshow: Add Picture Files");
  EXPECT_EQ(page.button(OrganizePhotoPage::kToggleFileNames)->x(), 573);
  std::vector<std::string> sorts;
  for (const QAction* action : page.rearrange_menu()->actions())
    sorts.push_back(action->text().toStdString());
  EXPECT_THAT(sorts, ElementsAre("Ascending by Name", "Descending by Name", "Ascending by Date",
                                 "Descending by Date"));
  EXPECT_EQ(page.duration_label()->text(), "Total Duration: 00:00:00");

  // The first starts point at the button that makes the first slideshow.
  page.show_hint();
  EXPECT_TRUE(page.hint()->isVisible());
  EXPECT_EQ(page.hint()->text(), "Please add a slideshow here!");
  // It points at the button from below and leaves the button's first click to it.
  const QRect add = page.button(OrganizePhotoPage::kAddSlideshow)->geometry();
  EXPECT_FALSE(page.hint()->geometry().intersects(add));
  EXPECT_LE(page.hint()->geometry().top() - add.bottom(), 2);
  choose(photos({"a.png"}));
  QTest::mouseClick(page.button(OrganizePhotoPage::kAddSlideshow), Qt::LeftButton);
  EXPECT_EQ(project->slideshow_count(), 1);
  EXPECT_FALSE(page.hint()->isVisible());

  page.run_command(OrganizePhotoPage::kDetailList);
  test::process_events();
  const PhotoDetailList& details = *page.detail_list();
  EXPECT_TRUE(page.detail_mode());
  EXPECT_EQ(details.headerItem()->text(2), "Time");
  EXPECT_EQ(details.headerItem()->textAlignment(2) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  EXPECT_EQ(details.headerItem()->text(6), "Image Effect");
  EXPECT_TRUE(details.header()->stretchLastSection());
  EXPECT_EQ(details.columnWidth(0),
            (616 - details.verticalScrollBar()->sizeHint().width() - 2) * 16 / 64);

  // A column never cuts its texts: the date of a photo is shown whole.
  choose(photos({"a.png"}));
  page.run_command(OrganizePhotoPage::kAddSlideshow);
  test::process_events();
  for (int column = 0; column < 6; ++column) {
    const QString text = details.topLevelItem(0)->text(column);
    EXPECT_GT(details.columnWidth(column), details.fontMetrics().horizontalAdvance(text))
        << text.toStdString();
  }
}

TEST_F(OrganizePhotoPageTest, AddedPhotosMoveAndGoAndTheLastTakesItsSlideshowAlong) {
  choose(photos({"a.png", "b.png", "c.png"}));
  page.run_command(OrganizePhotoPage::kAddSlideshow);
  ASSERT_EQ(project->slideshow_count(), 1);
  EXPECT_EQ(project->current()->name(), "Slideshow_0");
  EXPECT_EQ(tree_items(), 1);
  EXPECT_EQ(shown_order(), "abc");

  // The first photo chooser started among the user's pictures, the next where they were.
  ASSERT_EQ(dialogs.picture_folders.size(), 1u);
  EXPECT_NE(dialogs.picture_folders[0], home.path());
  // Files that are not pictures are named and passed over; the rest are appended.
  std::vector<std::filesystem::path> more = photos({"d.png"});
  test::write_file(files / "e.txt", "not a picture");
  more.push_back(files / "e.txt");
  more.push_back(files / "a.png");
  choose(more);
  page.run_command(OrganizePhotoPage::kAddPictures);
  EXPECT_THAT(prompt.shown, ElementsAre(Field(&PromptMessage::text,
                                              "2 files could not be added: e.txt (not a picture "
                                              "Pictavo can read), a.png (in the slideshow "
                                              "already).")));
  prompt.shown.clear();
  EXPECT_EQ(dialogs.picture_folders.back(), files.path());
  EXPECT_EQ(order(), "abcd");
  EXPECT_EQ(shown_order(), "abcd");
  EXPECT_EQ(page.tree()->disc_item()->child(0)->data(0, ProjectTree::kPhotoCountRole), 4);

  // At the ends nothing moves, in either view.
  select_thumbnails({0});
  page.run_command(OrganizePhotoPage::kMovePictureUp);
  select_thumbnails({3});
  page.run_command(OrganizePhotoPage::kMovePictureDown);
  EXPECT_EQ(order(), "abcd");
  page.run_command(OrganizePhotoPage::kDetailList);
  page.detail_list()->select_row(3);
  page.run_command(OrganizePhotoPage::kMovePictureDown);
  page.detail_list()->select_row(0);
  page.run_command(OrganizePhotoPage::kMovePictureUp);
  EXPECT_EQ(order(), "abcd");
  page.run_command(OrganizePhotoPage::kMovePictureDown);
  EXPECT_EQ(order(), "bacd");
  EXPECT_EQ(page.detail_list()->selected_row(), 1);
  EXPECT_EQ(page.detail_list()->topLevelItem(1)->text(0), "a.png");

  // Deleting photo by photo: the last one takes the slideshow and its item along.
  page.run_command(OrganizePhotoPage::kBigThumbnail);
  select_thumbnails({0, 1, 2});
  page.run_command(OrganizePhotoPage::kDeletePictures);
  EXPECT_EQ(order(), "d");
  page.run_command(OrganizePhotoPage::kDetailList);
  page.detail_list()->select_row(0);
  page.run_command(OrganizePhotoPage::kDeletePictures);
  EXPECT_EQ(project->slideshow_count(), 0);
  EXPECT_EQ(tree_items(), 0);
  EXPECT_EQ(page.detail_list()->topLevelItemCount(), 0);
  // Without slideshows the photo commands do nothing.
  choose(photos({"f.png"}));
  page.run_command(OrganizePhotoPage::kAddPictures);
  page.run_command(OrganizePhotoPage::kDeletePictures);
  EXPECT_EQ(project->slideshow_count(), 0);
}

TEST_F(OrganizePhotoPageTest, ModifyPicAndTheMenuThumbnailTakeOnePhoto) {
  choose(photos({"a.png", "b.png"}));
  page.run_command(OrganizePhotoPage::kAddSlideshow);
  window->show();
  test::process_events();
  ThumbnailList& list = *page.thumbnail_list();
  const auto enabled_in_menu = [&](const std::vector<int>& rows) {
    select_thumbnails(rows);
    emit list.customContextMenuRequested(list.visualRect(list.model()->index(0, 0)).center());
    std::vector<bool> enabled;
    for (const QAction* action : page.thumbnail_menu()->actions()) {
      const int id = action->data().toInt();
      if (id == OrganizePhotoPage::kModifyPicture || id == OrganizePhotoPage::kSetMenuThumbnail)
        enabled.push_back(action->isEnabled());
    }
    page.thumbnail_menu()->hide();
    return enabled;
  };
  EXPECT_EQ(enabled_in_menu({0, 1}), (std::vector<bool>{false, false}));
  EXPECT_EQ(enabled_in_menu({1}), (std::vector<bool>{true, true}));
}

TEST_F(OrganizePhotoPageTest, SortingWhileThumbnailsLoadIsCarriedOutAndLoadingGoesOn) {
  choose(photos({"c.png", "a.png", "d.png", "b.png", "f.png", "e.png"}, 1600, 1200));
  page.run_command(OrganizePhotoPage::kAddSlideshow);
  ASSERT_TRUE(page.thumbnail_list()->is_loading());
  page.run_command(OrganizePhotoPage::kAscendingByName);
  EXPECT_EQ(order(), "abcdef");
  EXPECT_EQ(shown_order(), "abcdef");
  EXPECT_TRUE(page.thumbnail_list()->is_loading());
  page.run_command(OrganizePhotoPage::kDescendingByName);
  EXPECT_EQ(order(), "fedcba");
  wait_until_loaded();
  for (const auto& photo : project->current()->photos)
    EXPECT_TRUE(photo->thumbnail.has_value()) << photo->file_name;
}

TEST_F(OrganizePhotoPageTest, RotationRecordsTheTurnAndTheSavedProjectKeepsIt) {
  const std::vector<std::filesystem::path> chosen = photos({"a.png", "b.png", "c.png"}, 80, 40);
  const std::string original = test::read_file(chosen[1]);
  choose(chosen);
  page.run_command(OrganizePhotoPage::kAddSlideshow);
  wait_until_loaded();
  select_thumbnails({1});
  page.run_command(OrganizePhotoPage::kRotateRight);
  page.run_command(OrganizePhotoPage::kDescendingByName);
  wait_until_loaded();

  const PhotoItem& turned = *project->current()->photos[1];
  EXPECT_EQ(turned.file_name, "b.png");
  ASSERT_EQ(turned.edits.size(), 1U);
  EXPECT_EQ(edit_kind(turned.edits[0]), EditKind::kRotateRight90);
  EXPECT_NE(turned.prepared_path, turned.source_path);
  EXPECT_EQ(test::read_file(chosen[1]), original);
  // The turn dropped the old thumbnail; the list made it again.
  EXPECT_TRUE(turned.thumbnail.has_value());

  // In the detail list only a turn to the left says it succeeded.
  page.run_command(OrganizePhotoPage::kDetailList);
  page.detail_list()->select_row(0);
  page.run_command(OrganizePhotoPage::kRotateLeft);
  EXPECT_THAT(prompt.shown, ElementsAre(Field(&PromptMessage::text, "Rotation done!")));

  dialogs.paths = {files / "trip.prg"};
  window->run_command(MainWindow::kSaveAs);
  const std::string saved = test::read_file(files / "trip.prg");
  const auto c = saved.find("c.png"), b = saved.find("b.png"), a = saved.find("a.png");
  ASSERT_NE(a, std::string::npos);
  EXPECT_LT(c, b);
  EXPECT_LT(b, a);
  EXPECT_THAT(saved, HasSubstr("RotateRight90"));
  EXPECT_THAT(saved, HasSubstr("RotateLeft90"));
}

TEST_F(OrganizePhotoPageTest, ImportedFoldersBecomeSlideshowsShownInTheTree) {
  std::filesystem::create_directories(files / "one" / "Trip");
  std::filesystem::create_directories(files / "two" / "Trip");
  std::filesystem::create_directories(files / "notes");
  test::write_photo(files / "one" / "Trip" / "a.png", 32, 24, 0x808080);
  test::write_photo(files / "two" / "Trip" / "b.png", 32, 24, 0x808080);
  test::write_file(files / "notes" / "read.txt", "text");
  dialogs.paths = {files / "one" / "Trip", files / "notes", files / "two" / "Trip"};
  page.run_command(OrganizePhotoPage::kImportFromFolder);
  EXPECT_EQ(project->slideshow_count(), 2);
  ASSERT_EQ(tree_items(), 2);
  EXPECT_EQ(page.tree()->disc_item()->child(1)->text(0), "Trip+");
  EXPECT_EQ(shown_order(), "b");
  EXPECT_THAT(prompt.shown, IsEmpty());

  // About 590 MB a second: the two slideshows' 6 s fit, a second photo passes the
  // size limit, and the user learns why it was left out.
  project->profiles.current_profile()->parameter(ProfileParameterId::kVideoBitrate).current.text =
      "4600000";
  choose(photos({"c.png"}));
  page.run_command(OrganizePhotoPage::kAddPictures);
  EXPECT_EQ(shown_order(), "b");
  EXPECT_THAT(prompt.shown, ElementsAre(too_many_images_message()));
}

TEST_F(OrganizePhotoPageTest, EveryTreePageCarriesOutItsTreesMenus) {
  choose(photos({"a.png"}));
  page.run_command(OrganizePhotoPage::kAddSlideshow);
  window->show();
  window->show_page(1);
  // Away, the page holds none of the slideshows the other pages may delete.
  EXPECT_EQ(page.thumbnail_list()->slideshow(), nullptr);
  for (const int step : {1, 2}) {
    window->show_page(step);
    test::process_events();
    ProjectTreePage* tree_page =
        step == 1 ? static_cast<ProjectTreePage*>(window->effect_page()) : window->music_page();
    ProjectTree& tree = *tree_page->tree();
    EXPECT_EQ(tree.geometry(), QRect(8, 57, 202, 361));
    tree_page->project_replaced();
    choose(photos({"b.png"}));
    tree.run_command(ProjectTree::kAddSlideshow);
    ASSERT_EQ(project->slideshow_count(), 2);
    tree.select_slideshow(1);
    prompt.answers = {PromptAnswer::kYes};
    tree.run_command(ProjectTree::kDelete);
    EXPECT_EQ(project->slideshow_count(), 1);
    EXPECT_EQ(tree.disc_item()->childCount(), 1);
  }
  window->show_page(0);
  EXPECT_EQ(shown_order(), "a");
}

}  // namespace
}  // namespace pictavo
