// Seeded random edits, undos and redos through the main window's history: after
// each one, the window shows what a window opened fresh on the project shows.
#include <gtest/gtest.h>

#include <QLabel>
#include <fstream>
#include <string>
#include <vector>

#include "edit/edit_history.h"
#include "model/project.h"
#include "support/files.h"
#include "support/random_edit_maker.h"
#include "ui/app/main_window.h"
#include "ui/app/project_signals.h"
#include "ui/pages/effect_page.h"
#include "ui/pages/music_page.h"
#include "ui/pages/organize_photo_page.h"
#include "ui/ui_test.h"
#include "ui/widgets/capacity_bar.h"
#include "ui/widgets/image_line.h"
#include "ui/widgets/music_list.h"
#include "ui/widgets/project_tree.h"
#include "ui/widgets/thumbnail_list.h"

namespace pictavo {
namespace {

void add_tree(const ProjectTree& tree, std::vector<std::string>& seen) {
  for (int i = 0; i < tree.disc_item()->childCount(); ++i) {
    const QTreeWidgetItem& item = *tree.disc_item()->child(i);
    seen.push_back("tree " + item.text(0).toStdString() + " " +
                   item.data(0, ProjectTree::kPhotoCountRole).toString().toStdString() + " " +
                   item.data(0, ProjectTree::kSecondsRole).toString().toStdString());
  }
}

// What the window's visible page, totals and title show.
std::vector<std::string> shown(const MainWindow& window) {
  std::vector<std::string> seen;
  switch (window.current_page()) {
    case 0: {
      add_tree(*window.organize_page()->tree(), seen);
      const ThumbnailList& list = *window.organize_page()->thumbnail_list();
      for (int row = 0; row < list.model()->rowCount(); ++row)
        seen.push_back("thumbnail " + list.model()->index(row, 0).data().toString().toStdString());
      break;
    }
    case 1: {
      add_tree(*window.effect_page()->tree(), seen);
      const ImageLine& line = *window.effect_page()->image_line();
      seen.push_back("line " + std::to_string(line.slot_count()) + " " +
                     (line.slideshow() != nullptr ? line.slideshow()->name() : "none"));
      for (int photo = 0; line.photo_at_slot(photo) >= 0; ++photo)
        seen.push_back("slot " + line.tooltip_text(photo).toStdString());
      break;
    }
    default: {
      add_tree(*window.music_page()->tree(), seen);
      const MusicList& tracks = *window.music_page()->music_list();
      for (int row = 0; row < tracks.topLevelItemCount(); ++row)
        seen.push_back("track " + tracks.topLevelItem(row)->text(0).toStdString());
      break;
    }
  }
  seen.push_back("capacity " + window.capacity_bar()->text().toStdString());
  seen.push_back("duration " + window.organize_page()->duration_label()->text().toStdString());
  seen.push_back("title " + window.windowTitle().toStdString() +
                 (window.isWindowModified() ? " *" : ""));
  return seen;
}

class ViewsFollowEdits : public test::UiTest {
 protected:
  std::vector<std::string> shown_by_fresh_window() {
    std::vector<std::string> seen;
    {
      MainWindow fresh(*project, dialogs, *settings);
      fresh.show_page(window->current_page());
      seen = shown(fresh);
    }
    project->front_end.observer = &window->project_signals();
    return seen;
  }

  test::RandomEditMaker edits{
      *project,
      [this](const std::string& name) {
        return std::filesystem::path(test::write_photo(files / name, 32, 24, 0xFF336699u));
      },
      [this](const std::string& name, int seconds) {
        std::ofstream(files / name) << seconds;
        return files / name;
      },
      20261210, &window->history()};
};

TEST_F(ViewsFollowEdits, EveryPageShowsWhatAFreshWindowShows) {
  EditHistory& history = window->history();
  for (int step = 0; step < 60; ++step) {
    if (step % 20 == 0) window->show_page(step / 20);
    const int choice = edits.pick(6);
    if (choice == 0 && history.can_undo())
      history.undo();
    else if (choice == 1 && history.can_redo())
      history.redo();
    else
      history.run(edits.next());
    ASSERT_EQ(shown(*window), shown_by_fresh_window())
        << "step " << step << " on page " << window->current_page();
  }
}

}  // namespace
}  // namespace pictavo
