#include "base/log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

#include "support/files.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

TEST(LogLine, HasTheTimeDateAndASingleLineFeed) {
  std::tm time{};
  time.tm_hour = 9;
  time.tm_min = 5;
  time.tm_sec = 3;
  time.tm_mon = 11;
  time.tm_mday = 8;
  time.tm_year = 126;
  EXPECT_EQ(format_log_line(time, "Software start!"), "09:05:03, Dec 08, 2026: Software start!\n");
}

TEST(WriteLog, AppendsWholeLinesFromManyThreadsAndIsSilentOnFailure) {
  test::TempFolder folder;
  set_log_path(folder / "log.txt");
  write_log("first");
  std::vector<std::thread> writers;
  for (int t = 0; t < 4; ++t) {
    writers.emplace_back([] {
      for (int i = 0; i < 50; ++i)
        write_log("concurrent line");
    });
  }
  for (std::thread& writer : writers)
    writer.join();
  const std::string log = test::read_file(folder / "log.txt");
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 201);
  EXPECT_NE(log.find(": first\n"), std::string::npos);
  EXPECT_EQ(log.find('\r'), std::string::npos);

  set_log_path(folder / "missing" / "log.txt");
  write_log("lost");  // neither throws nor creates the folder
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
  set_log_path({});
}

}  // namespace
}  // namespace pictavo
