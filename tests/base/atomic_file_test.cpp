#include "base/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/files.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

TEST(WriteFileAtomically, ReplacesTheFileAndLeavesNoTemporary) {
  test::TempFolder folder;
  const auto file = folder / "a.xml";
  ASSERT_TRUE(write_file_atomically(file, "old"));
  ASSERT_TRUE(write_file_atomically(file, "new text"));
  EXPECT_EQ(test::read_file(file), "new text");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(WriteFileAtomically, FailureKeepsTheOldFile) {
  test::TempFolder folder;
  const auto file = folder / "a.xml";
  ASSERT_TRUE(write_file_atomically(file, "old"));
  EXPECT_FALSE(write_file_atomically(folder / "missing" / "a.xml", "x"));
  // A directory in the way of the rename: the write fails and nothing is lost.
  std::filesystem::create_directory(folder / "dir");
  test::write_file(folder / "dir" / "keep", "k");
  EXPECT_FALSE(write_file_atomically(folder / "dir", "x"));
  EXPECT_EQ(test::read_file(folder / "dir" / "keep"), "k");
  EXPECT_EQ(test::read_file(file), "old");
}

TEST(AtomicFile, ShowsTheFileOnlyAfterCommit) {
  test::TempFolder folder;
  const auto file = folder / "music.mp2";
  {
    AtomicFile writer(file);
    ASSERT_TRUE(writer.is_good());
    EXPECT_TRUE(writer.write("first "));
    EXPECT_TRUE(writer.write("second"));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(writer.commit());
  }
  EXPECT_EQ(test::read_file(file), "first second");
  {
    AtomicFile abandoned(file);
    EXPECT_TRUE(abandoned.write("half"));
  }
  // The abandoned writer left the committed file and no temporary behind.
  EXPECT_EQ(test::read_file(file), "first second");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(AtomicFile, ItsTemporaryIsHiddenAndKnownAsALeftoverAfterAKill) {
  test::TempFolder folder;
  AtomicFile writer(folder / "Trip.mp4");
  const std::filesystem::path temporary = writer.temporary_path();
  EXPECT_EQ(temporary.filename().string().rfind(".Trip.mp4.pictavo-", 0), 0u) << temporary;
  EXPECT_TRUE(is_atomic_temporary(temporary));
  for (const char* name : {"Trip.mp4", ".pictavo-abcdef", ".Trip.mp4.pictavo-abc", "notes.txt"}) {
    test::write_file(folder / name, "the user's");
    EXPECT_FALSE(is_atomic_temporary(folder / name)) << name;
  }
  remove_leftover_temporaries(folder.path());
  EXPECT_FALSE(std::filesystem::exists(temporary));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            4);
}

TEST(WriteFileAtomically, NewFilesFollowTheUmaskAndReplacedOnesKeepTheirMode) {
  test::TempFolder folder;
  const auto mode_of = [](const std::filesystem::path& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
  };
  const mode_t saved = ::umask(027);
  ASSERT_TRUE(write_file_atomically(folder / "group.xml", "a"));
  EXPECT_EQ(mode_of(folder / "group.xml"), 0640u);
  ::umask(0);
  ASSERT_TRUE(write_file_atomically(folder / "everyone.xml", "a"));
  EXPECT_EQ(mode_of(folder / "everyone.xml"), 0666u);
  ::chmod((folder / "group.xml").c_str(), 0600);
  ASSERT_TRUE(write_file_atomically(folder / "group.xml", "b"));
  EXPECT_EQ(mode_of(folder / "group.xml"), 0600u);
  ::umask(saved);
}

}  // namespace
}  // namespace pictavo
