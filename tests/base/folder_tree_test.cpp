#include "base/folder_tree.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/files.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

TEST(DeleteFolderTree, RemovesTheFolderWithEverythingInIt) {
  test::TempFolder folder;
  const fs::path tree = folder / "Project_1";
  test::write_file(tree / "temp" / "a.bmp");
  test::write_file(tree / "temp" / "deeper" / "b.yuv");
  test::write_file(tree / "Output" / "Trip.mp4");
  fs::create_directories(tree / "empty");
  fs::permissions(tree / "temp" / "a.bmp", fs::perms::none);
  EXPECT_TRUE(delete_folder_tree(tree));
  EXPECT_FALSE(fs::exists(tree));
  EXPECT_TRUE(fs::exists(folder.path()));

  test::write_file(tree / "x");  // a trailing separator names the same folder
  EXPECT_TRUE(delete_folder_tree(tree.string() + "/"));
  EXPECT_FALSE(fs::exists(tree));
  EXPECT_FALSE(delete_folder_tree(tree));  // already gone
}

TEST(DeleteFolderTree, RemovesLinksWithoutFollowingThem) {
  test::TempFolder folder;
  const fs::path outside = folder / "keep";
  test::write_file(outside / "precious.jpg");
  const fs::path tree = folder / "tree";
  fs::create_directories(tree / "sub");
  fs::create_directory_symlink(outside, tree / "link_to_folder");
  fs::create_directory_symlink(outside, tree / "sub" / "deep_link");
  fs::create_symlink(outside / "precious.jpg", tree / "link_to_file");
  fs::create_symlink(folder / "nowhere", tree / "dangling");

  EXPECT_TRUE(delete_folder_tree(tree));
  EXPECT_FALSE(fs::exists(fs::symlink_status(tree)));
  EXPECT_TRUE(fs::exists(outside / "precious.jpg"));

  // A link given as the folder itself is refused, and its target stays.
  fs::create_directory_symlink(outside, folder / "alias");
  EXPECT_FALSE(delete_folder_tree(folder / "alias"));
  EXPECT_TRUE(fs::exists(outside / "precious.jpg"));
  EXPECT_TRUE(fs::is_symlink(folder / "alias"));
}

TEST(DeleteFolderTree, RefusesEmptyPathsRootsFilesAndMountPoints) {
  EXPECT_FALSE(delete_folder_tree(""));
  EXPECT_FALSE(delete_folder_tree("/"));
  EXPECT_FALSE(delete_folder_tree("//"));
  EXPECT_FALSE(delete_folder_tree("/.."));
  EXPECT_FALSE(delete_folder_tree("/tmp/.."));
  EXPECT_TRUE(fs::exists("/tmp"));

  test::TempFolder folder;
  test::write_file(folder / "file");
  EXPECT_FALSE(delete_folder_tree(folder / "file"));
  EXPECT_TRUE(fs::exists(folder / "file"));

  // /proc is a file system of its own on every Linux system; nothing in it can be
  // removed anyway, so trying is harmless.
  struct stat proc {};
  struct stat root {};
  if (::stat("/proc", &proc) == 0 && ::stat("/", &root) == 0 && proc.st_dev != root.st_dev) {
    EXPECT_FALSE(delete_folder_tree("/proc"));
  }
}

}  // namespace
}  // namespace pictavo
