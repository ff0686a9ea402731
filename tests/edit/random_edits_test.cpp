// Seeded random sequences of every kind of edit, undone and redone: the project
// file after each undo and redo must be the one saved when the project was last in
// that state.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "../model/editing_fixture.h"
#include "edit/edit_history.h"
#include "model/project_file.h"
#include "support/random_edit_maker.h"

namespace pictavo {
namespace {

class RandomEdits : public test::EditingTest {
 protected:
  RandomEdits() { project->preferences.project_path = files / "edits.prg"; }

  std::string project_file() {
    project->modified = true;
    EXPECT_TRUE(save_project_silently(*project));
    std::ifstream in(project->preferences.project_path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  EditHistory history{*project};
  test::RandomEditMaker edits{
      *project, [this](const std::string& name) { return photo(name); },
      [this](const std::string& name, int seconds) { return music(name, seconds); }, 20261209,
      &history};
};

TEST_F(RandomEdits, UndoAndRedoBringBackEveryProjectFileExactly) {
  std::vector<std::string> states{project_file()};
  std::size_t at = 0;
  for (int step = 0; step < 300; ++step) {
    const int choice = edits.pick(10);
    if (choice == 0 && history.can_undo()) {
      history.undo();
      ASSERT_EQ(project_file(), states[--at]) << "undo at step " << step;
    } else if (choice == 1 && history.can_redo()) {
      history.redo();
      ASSERT_EQ(project_file(), states[++at]) << "redo at step " << step;
    } else if (history.run(edits.next())) {
      states.resize(++at);
      states.push_back(project_file());
    }
  }
  while (history.can_undo()) {
    history.undo();
    ASSERT_EQ(project_file(), states[--at]);
  }
  EXPECT_EQ(at, 0u);
  while (history.can_redo()) {
    history.redo();
    ASSERT_EQ(project_file(), states[++at]);
  }
  EXPECT_EQ(at + 1, states.size());
}

}  // namespace
}  // namespace pictavo
