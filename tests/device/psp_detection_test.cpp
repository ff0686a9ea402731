#include "device/psp_detection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "device/capacity_texts.h"
#include "device/removable_drives.h"
#include "support/scoped_environment.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;
using test::ScopedEnvironment;
using test::TempFolder;

constexpr char kNotConnected[] = "Please make sure the PSP is connected.";

class PspDetectionTest : public ::testing::Test {
 protected:
  // Makes drive folders named as volumes, those in `with_folder` holding the video
  // folder, and names them all as the removable drives.
  std::vector<RemovableDrive> drives(const std::vector<std::string>& names,
                                     const std::vector<std::string>& with_folder = {}) {
    std::string roots;
    for (const std::string& name : names) {
      fs::create_directories(temp_ / name);
      roots += (roots.empty() ? "" : ":") + (temp_ / name).string();
    }
    for (const std::string& name : with_folder)
      fs::create_directories(temp_ / name / kPspVideoFolder);
    environment_.emplace("PICTAVO_DRIVE_ROOTS", roots.c_str());
    return list_removable_drives();
  }

  TempFolder temp_;
  std::optional<ScopedEnvironment> environment_;
};

TEST_F(PspDetectionTest, ListsTheNamedRootsWithTheirFolderNamesAsVolumes) {
  ScopedEnvironment roots(
      "PICTAVO_DRIVE_ROOTS",
      (temp_.path().string() + "/PSP:" + temp_.path().string() + "/gone:").c_str());
  fs::create_directories(temp_ / "PSP");
  const std::vector<RemovableDrive> found = list_removable_drives();
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].label(), (temp_ / "PSP").string() + " (PSP)");
  EXPECT_EQ((RemovableDrive{"/media/x", ""}.label()), "/media/x");
  ScopedEnvironment none("PICTAVO_DRIVE_ROOTS", "");
  EXPECT_TRUE(list_removable_drives().empty());
}

TEST_F(PspDetectionTest, ADriveIsListedByItsVideoFolderOrElseByItsLabel) {
  const std::vector<RemovableDrive> listed = drives({"CAMERA", "PSP"}, {"PSP"});
  const PspDetection detection = detect_psp(listed, PspSearch::kDetect);
  ASSERT_EQ(detection.entries.size(), 2u);
  EXPECT_EQ(detection.entries[0].text, (temp_ / "CAMERA").string() + " (CAMERA)");
  EXPECT_EQ(detection.entries[1].text, (temp_ / "PSP" / kPspVideoFolder).string());
  EXPECT_EQ(detection.selected, 1u);
  EXPECT_EQ(detection.psp_folder, temp_ / "PSP" / kPspVideoFolder);
  EXPECT_FALSE(fs::exists(temp_ / "CAMERA" / "MP_ROOT")) << "detecting only looks";
}

TEST_F(PspDetectionTest, OfTwoPspsTheLaterIsChosen) {
  const PspDetection detection =
      detect_psp(drives({"FIRST", "SECOND"}, {"FIRST", "SECOND"}), PspSearch::kOpening);
  EXPECT_EQ(detection.selected, 1u);
  EXPECT_EQ(detection.psp_folder, temp_ / "SECOND" / kPspVideoFolder);
}

TEST_F(PspDetectionTest, OpeningGivesADriveItsVideoFolderAndDetectingThenFindsIt) {
  fs::create_directories(temp_ / "PSP" / "MP_ROOT");
  const std::vector<RemovableDrive> listed = drives({"PSP"});

  const PspDetection before = detect_psp(listed, PspSearch::kDetect);
  EXPECT_FALSE(before.selected);
  EXPECT_TRUE(before.psp_folder.empty());
  EXPECT_EQ(psp_not_found_message(PspSearch::kDetect, temp_.path()), kNotConnected);

  const PspDetection opening = detect_psp(listed, PspSearch::kOpening);
  EXPECT_TRUE(fs::is_directory(temp_ / "PSP" / kPspVideoFolder));
  ASSERT_EQ(opening.entries.size(), 1u);
  EXPECT_EQ(opening.entries[0].text, listed[0].label());
  EXPECT_EQ(opening.selected, 0u);
  // The entry's text is a label: copies go to the folder just made instead.
  EXPECT_EQ(opening.psp_folder, temp_ / "PSP" / kPspVideoFolder);

  const PspDetection after = detect_psp(listed, PspSearch::kDetect);
  EXPECT_EQ(after.entries[0].text, (temp_ / "PSP" / kPspVideoFolder).string());
  EXPECT_EQ(after.selected, 0u);
}

TEST_F(PspDetectionTest, NoDriveFindsNothingAndSaysSo) {
  for (const PspSearch search : {PspSearch::kOpening, PspSearch::kDetect}) {
    const PspDetection detection = detect_psp(drives({}), search);
    EXPECT_TRUE(detection.entries.empty());
    EXPECT_FALSE(detection.selected);
    EXPECT_TRUE(detection.psp_folder.empty());
  }
  EXPECT_EQ(psp_not_found_message(PspSearch::kOpening, temp_.path()), kNotConnected);
  EXPECT_EQ(psp_not_found_message(PspSearch::kOpening, "/no/such/Output"),
            std::string(kNotConnected) +
                "\nAnd the video folder /no/such/Output is not valid.\nPlease select a valid "
                "source folder.");
}

TEST(CapacityTextsTest, PicksTheUnitByTheByteCount) {
  struct Case {
    std::uint64_t total, free;
    const char *capacity, *used, *free_text;
  };
  const Case cases[] = {
      {1ULL << 30, 1ULL << 29, "Capacity: 1024.00 MB", "Used: 512.00 MB", "Free: 512.00 MB"},
      {(1ULL << 30) + (1ULL << 20), 1ULL << 20, "Capacity: 1.00 GB", "Used: 1024.00 MB",
       "Free: 1024.00 KB"},
      {3ULL << 31, 0, "Capacity: 6.00 GB", "Used: 6.00 GB", "Free: 0.00 KB"},
  };
  for (const Case& c : cases) {
    const CapacityTexts texts = capacity_texts(c.total, c.free);
    EXPECT_EQ(texts.capacity, c.capacity);
    EXPECT_EQ(texts.used, c.used);
    EXPECT_EQ(texts.free, c.free_text);
  }
}

}  // namespace
}  // namespace pictavo
