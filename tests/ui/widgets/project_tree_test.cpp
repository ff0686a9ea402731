// The project structure tree and the folder chooser of the import.
#include "ui/widgets/project_tree.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTreeView>
#include <string>
#include <vector>

#include "model/project_messages.h"
#include "support/files.h"
#include "ui/app/main_window.h"
#include "ui/app/project_signals.h"
#include "ui/dialogs/import_folder_dialog.h"
#include "ui/ui_test.h"

namespace pictavo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class ProjectTreeTest : public test::UiTest {
 protected:
  ProjectTreeTest() {
    for (const char* name : {"A", "B", "C"})
      project->add_slideshow(name);
    for (const char* photo : {"a.png", "b.png"})
      project->slideshows[0]->add_photo(test::write_photo(files / photo, 8, 6, 0xFF0000),
                                        project->default_setting);
    project->current_slideshow = 0;
    tree = new ProjectTree(*project, window->history(), &page);
    QObject::connect(&window->project_signals(), &ProjectSignals::changed, tree,
                     &ProjectTree::follow);
    for (const auto& [signal, name] : {std::pair{&ProjectTree::save_requested, "save"},
                                       std::pair{&ProjectTree::open_requested, "open"},
                                       std::pair{&ProjectTree::add_requested, "add"},
                                       std::pair{&ProjectTree::delete_all_requested, "delete all"},
                                       std::pair{&ProjectTree::delete_requested, "delete"}})
      QObject::connect(tree, signal, [this, name = name] { requests.push_back(name); });
    page.show();
    test::process_events();
  }

  std::vector<std::string> items() const {
    std::vector<std::string> texts;
    for (int i = 0; i < tree->disc_item()->childCount(); ++i)
      texts.push_back(tree->disc_item()->child(i)->text(0).toStdString());
    return texts;
  }
  std::vector<std::string> slideshows() const {
    std::vector<std::string> names;
    for (const auto& slideshow : project->slideshows)
      names.push_back(slideshow->name());
    return names;
  }

  void choose(QMenu* menu, const char* text) {
    for (QAction* action : menu->actions()) {
      if (action->text() == QString::fromUtf8(text)) action->trigger();
    }
    test::process_events();
  }

  // Renames the selected slideshow in place: types `typed` and presses Enter.
  std::string type_name(const char* typed) {
    choose(tree->slideshow_menu(), "Rename");
    QLineEdit* editor = nullptr;  // closed editors linger hidden until deleted
    for (QLineEdit* line : tree->findChildren<QLineEdit*>()) {
      if (line->isVisible()) editor = line;
    }
    EXPECT_NE(editor, nullptr);
    if (editor == nullptr) return {};
    editor->setText(QString::fromUtf8(typed));
    const std::string shown = editor->text().toStdString();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(editor, &enter);
    test::process_events();
    return shown;
  }

  std::vector<std::string> requests;
  QWidget page;
  ProjectTree* tree = nullptr;  // owned by the page
};

TEST_F(ProjectTreeTest, ShowsTheSlideshowsWithTheirFiguresAndFollowsTheProject) {
  EXPECT_EQ(tree->disc_item()->text(0), "Video Disc");
  EXPECT_THAT(items(), ElementsAre("A", "B", "C"));
  const QTreeWidgetItem& first = *tree->disc_item()->child(0);
  EXPECT_EQ(first.data(0, ProjectTree::kPhotoCountRole).toInt(), 2);
  EXPECT_EQ(first.data(0, ProjectTree::kSecondsRole).toInt(),
            static_cast<int>(project->slideshows[0]->length_seconds()));
  EXPECT_THAT(first.toolTip(0).toStdString(),
              HasSubstr("Slideshow Info</b><br>Images: 2<br>Duration: 00:00:0"));
  EXPECT_THAT(tree->disc_item()->toolTip(0).toStdString(),
              HasSubstr("Video Disc</b><br>Slideshows: 3"));
  EXPECT_EQ(tree->selected_slideshow(), 0);

  std::vector<int> chosen;
  QObject::connect(tree, &ProjectTree::slideshow_selected,
                   [&](int index) { chosen.push_back(index); });
  tree->setCurrentItem(tree->disc_item()->child(2));  // the user's choice
  tree->select_slideshow(1);                          // the main window's
  EXPECT_THAT(chosen, ElementsAre(2));
  EXPECT_EQ(project->current_slideshow, 2);
  EXPECT_EQ(tree->selected_slideshow(), 1);

  choose(tree->slideshow_menu(), "Move Up");  // B
  EXPECT_THAT(slideshows(), ElementsAre("B", "A", "C"));
  EXPECT_THAT(items(), ElementsAre("B", "A", "C"));
  EXPECT_EQ(tree->selected_slideshow(), 0);
  choose(tree->slideshow_menu(), "Move Up");  // already first
  tree->select_slideshow(2);
  choose(tree->slideshow_menu(), "Move Down");  // already last
  EXPECT_THAT(slideshows(), ElementsAre("B", "A", "C"));
  choose(tree->slideshow_menu(), "Move Up");
  EXPECT_THAT(items(), ElementsAre("B", "C", "A"));
  EXPECT_EQ(project->current()->name(), "C");  // the current one moved along

  project->remove_slideshow(0);
  project->add_slideshow("D");
  EXPECT_THAT(items(), ElementsAre("C", "A", "D"));
  EXPECT_EQ(tree->selected_slideshow(), 2);
  EXPECT_TRUE(chosen.size() == 1u) << "the tree's own changes are not the user's choice";
}

TEST_F(ProjectTreeTest, RenamingCutsAtFifteenCharactersAndShowsARefusal) {
  EXPECT_EQ(type_name("Summer holidays 2024"), "Summer holidays");
  EXPECT_EQ(project->slideshows[0]->name(), "Summer holidays");
  EXPECT_EQ(tree->disc_item()->child(0)->text(0), "Summer holidays");
  EXPECT_TRUE(prompt.shown.empty());

  tree->select_slideshow(1);
  type_name("Summer holidays");
  EXPECT_THAT(prompt.shown, ElementsAre(slideshow_name_message()));
  EXPECT_EQ(project->slideshows[1]->name(), "B");
  EXPECT_EQ(tree->disc_item()->child(1)->text(0), "B");
}

TEST_F(ProjectTreeTest, MenusAskForWhatTheTreeCannotDo) {
  choose(tree->disc_menu(), "Save Project");
  choose(tree->disc_menu(), "Load Project");
  choose(tree->disc_menu(), "Add Slideshow");
  choose(tree->disc_menu(), "Delete All Slideshows");
  choose(tree->slideshow_menu(), "Delete");
  EXPECT_THAT(requests, ElementsAre("save", "open", "add", "delete all", "delete"));
  EXPECT_EQ(project->slideshow_count(), 3);  // the page does the deleting
}

TEST_F(ProjectTreeTest, TheImportDialogGivesTheCheckedFoldersInOrder) {
  for (const char* folder : {"one/Trip", "two/Trip"})
    std::filesystem::create_directories(files / folder);
  ImportFolderDialog dialog;
  auto* checks = static_cast<QIdentityProxyModel*>(dialog.folder_view()->model());
  auto* folders = static_cast<QFileSystemModel*>(checks->sourceModel());
  const QModelIndex second =
      checks->mapFromSource(folders->index(QString::fromStdString((files / "two/Trip").string())));
  ASSERT_TRUE(second.isValid());
  EXPECT_TRUE(checks->flags(second).testFlag(Qt::ItemIsUserCheckable));
  checks->setData(second, Qt::Checked, Qt::CheckStateRole);  // a click on its box
  dialog.set_checked(files / "one/Trip", true);
  dialog.set_checked(files / "missing", true);
  dialog.set_checked(files / "missing", false);
  EXPECT_EQ(checks->data(second, Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
  EXPECT_THAT(dialog.checked_folders(), ElementsAre(files / "two/Trip", files / "one/Trip"));
  dialog.clear_all();
  EXPECT_TRUE(dialog.checked_folders().empty());
  EXPECT_EQ(checks->data(second, Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
}

}  // namespace
}  // namespace pictavo
