#include "video/disk_check.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>
#include <string>

#include "support/temp_program_folder.h"
#include "video/make_video_messages.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kMegabyte = 1 << 20;

// Drives by folder, as a disk check sees them.
class MadeUpDrives {
 public:
  void add(const fs::path& folder, std::uint64_t device, const fs::path& drive,
           std::uint64_t free_bytes) {
    drives_[folder] = DriveSpace{device, drive, free_bytes, free_bytes * 2};
  }
  DriveSpaceQuery query() const {
    return [this](const fs::path& folder) -> std::optional<DriveSpace> {
      const auto found = drives_.find(folder);
      if (found == drives_.end()) return std::nullopt;
      return found->second;
    };
  }

 private:
  std::map<fs::path, DriveSpace> drives_;
};

class DiskCheckTest : public ::testing::Test {
 protected:
  DiskCheck check(float estimated_mb) const {
    return check_disk_space("/videos/Output", "/work/temp", estimated_mb, drives_.query());
  }

  MadeUpDrives drives_;
};

TEST_F(DiskCheckTest, OneDriveMustHoldTwiceTheEstimate) {
  drives_.add("/videos/Output", 7, "/", 1000 * kMegabyte);
  drives_.add("/work/temp", 7, "/", 1000 * kMegabyte);
  DiskCheck result = check(700);
  EXPECT_FALSE(result.pass);
  EXPECT_EQ(result.start, StartControl::kDisable);
  ASSERT_TRUE(result.message);
  EXPECT_EQ(result.message->text,
            "Not enough disk space: please choose another drive. The videos need 1400 MB,\nand "
            "the drive / needs 1400 MB!");
  EXPECT_EQ(result.drive, "/");
  EXPECT_EQ(result.free_megabytes, 1000);
  EXPECT_EQ(result.needed_megabytes, 1400);

  result = check(500);
  EXPECT_TRUE(result.pass);
  EXPECT_EQ(result.start, StartControl::kEnable);
  EXPECT_EQ(result.message, std::nullopt);
}

TEST_F(DiskCheckTest, OnTwoDrivesTheOutputDriveDecidesAndTheTempDriveIsWarnedAbout) {
  drives_.add("/videos/Output", 1, "/videos", 600 * kMegabyte + kMegabyte - 1);
  drives_.add("/work/temp", 2, "/work", 400 * kMegabyte);
  DiskCheck result = check(600.4f);  // 600 whole megabytes free are less
  EXPECT_FALSE(result.pass);
  EXPECT_EQ(result.start, StartControl::kDisable);
  EXPECT_EQ(result.message, output_drive_full_message(600.4f));
  EXPECT_EQ(result.message->text,
            "Not enough disk space: please choose another drive. 600 MB are needed.");

  result = check(500);
  EXPECT_TRUE(result.pass);
  EXPECT_EQ(result.start, StartControl::kUnchanged);
  ASSERT_TRUE(result.message);
  EXPECT_EQ(result.message->text,
            "The drive /work needs more than 500 MB of free space. Please delete files you no "
            "longer need and try again!");
  EXPECT_EQ(result.drive, "/work");

  result = check(400);
  EXPECT_TRUE(result.pass);
  EXPECT_EQ(result.start, StartControl::kEnable);
  EXPECT_EQ(result.message, std::nullopt);
}

TEST_F(DiskCheckTest, ADriveThatCannotBeToldAboutCountsAsFull) {
  drives_.add("/work/temp", 2, "/work", 400 * kMegabyte);
  const DiskCheck result = check(1);
  EXPECT_FALSE(result.pass);
  EXPECT_EQ(result.drive, "/videos/Output");
  EXPECT_TRUE(check(0).pass);
}

TEST(DriveSpace, IsTheFileSystemHoldingTheFolderOrItsNearestParent) {
  const test::TempFolder folder;
  const std::optional<DriveSpace> space = query_drive_space(folder.path());
  ASSERT_TRUE(space);
  struct stat status {};
  ASSERT_EQ(::stat(folder.path().c_str(), &status), 0);
  EXPECT_EQ(space->device, status.st_dev);
  EXPECT_TRUE(fs::is_directory(space->drive));
  EXPECT_TRUE(folder.path().string().starts_with(space->drive.string()));
  EXPECT_LE(space->free_bytes, space->total_bytes);

  const std::optional<DriveSpace> later = query_drive_space(folder / "to be made" / "Output");
  ASSERT_TRUE(later);
  EXPECT_EQ(later->device, space->device);
  EXPECT_EQ(later->drive, space->drive);
  EXPECT_EQ(query_drive_space("relative/never made")->device,
            query_drive_space(fs::current_path())->device);
}

}  // namespace
}  // namespace pictavo
