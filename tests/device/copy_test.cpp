#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#include "base/event.h"
#include "device/copy_plan.h"
#include "device/file_copier.h"
#include "device/psp_detection.h"
#include "modules/media_tools.h"
#include "support/files.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;
using test::read_file;
using test::TempFolder;
using test::write_file;

std::set<std::string> names_in(const fs::path& folder) {
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

CopyReport copy_all(const std::vector<CopyStep>& steps, Event* stop = nullptr) {
  return FileCopier().copy(steps, {}, stop);
}

TEST(CopyPlanTest, ATakenNameGetsTheNextFreeNumberInBrackets) {
  TempFolder temp;
  write_file(temp / "one/clip.mp4", "first");
  write_file(temp / "two/clip.mp4", "second");
  write_file(temp / "target/clip.mp4", "old");
  Result<std::vector<CopyStep>> plan =
      plan_copy({temp / "one/clip.mp4", temp / "two/clip.mp4"}, temp / "target");
  ASSERT_TRUE(plan) << plan.reason();
  const CopyReport report = copy_all(*plan);
  ASSERT_EQ(report.outcome, CopyOutcome::kDone) << report.reason.english();
  EXPECT_EQ(read_file(temp / "target/clip.mp4"), "old");
  EXPECT_EQ(read_file(temp / "target/clip (2).mp4"), "first");
  EXPECT_EQ(read_file(temp / "target/clip (3).mp4"), "second");
  EXPECT_FALSE(plan_copy({temp / "one/missing.mp4"}, temp / "target"));
}

// The PSP's names: MPEG-4 videos count on in 100MNV01 as M4V, H.264 videos in
// 100ANV01 as MAQ, each thumbnail taking its video's name; back on the computer
// the names stay.
TEST(CopyPlanTest, VideosGetThePspNamesOfTheirCodecWithTheirThumbnails) {
  TempFolder temp;
  const fs::path output = temp / "Output";
  fs::create_directories(output);
  const auto make_video = [&](const std::string& name, const char* codec) {
    ASSERT_TRUE(test::run_ffmpeg({"-f", "lavfi", "-i", "testsrc=size=64x48:rate=10", "-frames:v",
                                  "2", "-c:v", codec, (output / name).string()}));
  };
  make_video("Trip.mp4", "mpeg4");
  make_video("Party.MP4", "libx264");
  make_video("Lone.mp4", "mpeg4");
  write_file(output / "Trip.THM", "trip thumbnail");
  write_file(output / "Party.thm", "party thumbnail");
  write_file(output / "Other.thm", "other");
  const fs::path psp = temp / "PSP" / kPspVideoFolder;
  write_file(psp / "M4V00007.MP4");
  write_file(psp / "m4v00009.thm");
  write_file(psp / "M4V123456.MP4");

  Result<std::vector<CopyStep>> plan =
      plan_copy_to_psp({output / "Trip.mp4", output / "Trip.THM", output / "Party.MP4",
                        output / "Lone.mp4", output / "Other.thm"},
                       psp);
  ASSERT_TRUE(plan) << plan.reason();
  const CopyReport report = copy_all(*plan);
  ASSERT_EQ(report.outcome, CopyOutcome::kDone) << report.reason.english();
  EXPECT_EQ(names_in(psp),
            (std::set<std::string>{"M4V00007.MP4", "m4v00009.thm", "M4V123456.MP4", "M4V00010.MP4",
                                   "M4V00010.THM", "M4V00011.MP4", "Other.thm"}));
  EXPECT_EQ(names_in(temp / "PSP/MP_ROOT/100ANV01"),
            (std::set<std::string>{"MAQ00001.MP4", "MAQ00001.THM"}));
  EXPECT_EQ(read_file(psp / "M4V00010.THM"), "trip thumbnail");
  EXPECT_EQ(read_file(psp / "M4V00010.MP4"), read_file(output / "Trip.mp4"));
  EXPECT_EQ(read_file(temp / "PSP/MP_ROOT/100ANV01/MAQ00001.THM"), "party thumbnail");

  Result<std::vector<CopyStep>> back =
      plan_copy({psp / "M4V00010.MP4", psp / "M4V00010.THM"}, temp / "back");
  ASSERT_TRUE(back);
  ASSERT_EQ(copy_all(*back).outcome, CopyOutcome::kDone);
  EXPECT_EQ(names_in(temp / "back"), (std::set<std::string>{"M4V00010.MP4", "M4V00010.THM"}));
}

class FileCopierTest : public ::testing::Test {
 protected:
  void SetUp() override {
    write_file(temp_ / "small.thm", "thumbnail");
    write_file(temp_ / "big.mp4", std::string(3 << 20, 'v'));
    Result<std::vector<CopyStep>> plan =
        plan_copy({temp_ / "small.thm", temp_ / "big.mp4"}, temp_ / "drive");
    ASSERT_TRUE(plan);
    steps_ = *plan;
  }

  // Only the file completed before the interruption stands in the target folder:
  // no part of the big one, under its name or a temporary one.
  void expect_only_the_small_file(const CopyReport& report) {
    EXPECT_EQ(names_in(temp_ / "drive"), std::set<std::string>{"small.thm"});
    EXPECT_EQ(report.written, std::vector<fs::path>{temp_ / "drive/small.thm"});
  }

  TempFolder temp_;
  std::vector<CopyStep> steps_;
};

TEST_F(FileCopierTest, ReportsProgressOverAllFiles) {
  std::uint64_t last = 0;
  const CopyReport report = FileCopier().copy(
      steps_,
      [&](const CopyProgress& progress) {
        EXPECT_GT(progress.copied_bytes, last);
        EXPECT_EQ(progress.files, 2u);
        last = progress.copied_bytes;
      },
      nullptr);
  EXPECT_EQ(report.outcome, CopyOutcome::kDone);
  EXPECT_EQ(last, (3u << 20) + 9);
  EXPECT_EQ(read_file(temp_ / "drive/big.mp4"), read_file(temp_ / "big.mp4"));
}

TEST_F(FileCopierTest, ACancelMidFileLeavesNoPartOfIt) {
  Event stop;
  const CopyReport report = FileCopier().copy(
      steps_,
      [&](const CopyProgress& progress) {
        if (progress.file == 1) stop.set();
      },
      &stop);
  EXPECT_EQ(report.outcome, CopyOutcome::kStopped);
  expect_only_the_small_file(report);
}

// A file size limit makes the writes fail part way, as a full or pulled drive does.
TEST_F(FileCopierTest, AWriteFailureMidFileLeavesNoPartOfIt) {
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit limited = old;
  limited.rlim_cur = 1 << 20;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
  const CopyReport report = copy_all(steps_);
  ::setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_EQ(report.outcome, CopyOutcome::kFailed);
  EXPECT_EQ(report.reason, "Cannot write " + (temp_ / "drive/big.mp4").string() + ": " +
                               std::strerror(EFBIG) + ".");
  expect_only_the_small_file(report);
}

// Each failure names its file and the system's own reason, which a C++ stream
// would have lost ("Success").
TEST_F(FileCopierTest, AFailureSaysWhatTheSystemReported) {
  const auto reason_of = [](const CopyStep& step) {
    const CopyReport report = copy_all({step});
    EXPECT_EQ(report.outcome, CopyOutcome::kFailed);
    const std::string reason = report.reason.english();
    EXPECT_EQ(reason.find("Success"), std::string::npos) << reason;
    return reason;
  };
  fs::create_directories(temp_ / "folder");
  EXPECT_EQ(reason_of({temp_ / "folder", temp_ / "drive/folder", 0}),
            "Cannot read " + (temp_ / "folder").string() + ": " + std::strerror(EISDIR) + ".");
  fs::remove(temp_ / "small.thm");
  EXPECT_EQ(reason_of(steps_[0]),
            "Cannot read " + (temp_ / "small.thm").string() + ": " + std::strerror(ENOENT) + ".");
  EXPECT_EQ(reason_of({temp_ / "big.mp4", temp_ / "big.mp4/inside/big.mp4", 3 << 20}),
            "Cannot make the folder " + (temp_ / "big.mp4/inside").string() + ": " +
                std::strerror(ENOTDIR) + ".");
  EXPECT_TRUE(names_in(temp_ / "drive").empty());
}

TEST_F(FileCopierTest, ATargetWithoutRoomIsRefusedBeforeWriting) {
  const FileCopier copier([&](const fs::path&) {
    return DriveSpace{
        .device = 7, .drive = "/media/PSP", .free_bytes = 1 << 20, .total_bytes = 1 << 30};
  });
  const CopyReport report = copier.copy(steps_, {}, nullptr);
  EXPECT_EQ(report.outcome, CopyOutcome::kFailed);
  EXPECT_EQ(report.reason,
            "Not enough free space on /media/PSP: the files need 3.00 MB, only 1.00 MB are free. "
            "Nothing was copied.");
  EXPECT_TRUE(names_in(temp_ / "drive").empty());
}

}  // namespace
}  // namespace pictavo
