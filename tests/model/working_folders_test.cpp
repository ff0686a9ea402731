#include "model/working_folders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/folder_tree.h"
#include "model/project.h"
#include "model/project_start.h"
#include "support/files.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

TEST(NextProjectFolder, TakesOneMoreThanTheHighestNumberedEntry) {
  test::TempFolder folder;
  EXPECT_EQ(next_project_folder(folder.path()), folder / "Project_1");
  EXPECT_EQ(next_project_folder(folder / "missing"), folder / "missing" / "Project_1");

  fs::create_directory(folder / "Project_1");
  fs::create_directory(folder / "Project_7");
  fs::create_directory(folder / "Project_x");
  fs::create_directory(folder / "project_20");  // another name: case matters
  test::write_file(folder / "Other_30");
  EXPECT_EQ(next_project_folder(folder.path()), folder / "Project_8");

  test::write_file(folder / "Project_12");  // a file holds its number as well
  EXPECT_EQ(next_project_folder(folder.path()), folder / "Project_13");
  fs::create_directory(folder / "Project_2147483647");
  EXPECT_EQ(next_project_folder(folder.path()), folder / "Project_2147483648");
}

TEST(FirstFreeProjectPath, PassesOverEveryExistingEntry) {
  test::TempFolder folder;
  EXPECT_EQ(first_free_project_path(folder.path()), folder / "project0.prg");
  test::write_file(folder / "project0.prg");
  test::write_file(folder / "project1.prg");
  EXPECT_EQ(first_free_project_path(folder.path()), folder / "project2.prg");
  // Neither a dangling link nor an unreadable file is free.
  fs::create_symlink(folder / "nowhere", folder / "project2.prg");
  test::write_file(folder / "project3.prg");
  fs::permissions(folder / "project3.prg", fs::perms::none);
  EXPECT_EQ(first_free_project_path(folder.path()), folder / "project4.prg");
}

TEST(PrepareNewProject, EveryNewProjectGetsTheNextFolderWithTempAndOutput) {
  test::TempProgramFolder home;
  Project project(home.path());
  start_project(project);
  EXPECT_EQ(project.preferences.working_folder, home.path() / "Project_1");
  EXPECT_TRUE(fs::is_directory(home.path() / "Project_1" / "temp"));

  prepare_new_project(project);
  const fs::path second = home.path() / "Project_2";
  EXPECT_EQ(project.preferences.working_folder, second);
  EXPECT_EQ(project.default_setting.temp_folder, second / "temp");
  EXPECT_EQ(project.default_setting.output_folder, second / "Output");
  EXPECT_TRUE(fs::is_directory(second / "temp"));
  EXPECT_TRUE(fs::is_directory(second / "Output"));

  // A discarded lower folder does not bring its number back.
  EXPECT_TRUE(delete_folder_tree(home.path() / "Project_1"));
  prepare_new_project(project);
  EXPECT_EQ(project.preferences.working_folder, home.path() / "Project_3");
}

}  // namespace
}  // namespace pictavo
