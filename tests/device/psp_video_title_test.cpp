#include "device/psp_video_title.h"

#include <gtest/gtest.h>

#include <string>

#include "modules/media_tools.h"
#include "support/files.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

std::string box(const std::string& type, const std::string& payload) {
  const std::uint32_t size = static_cast<std::uint32_t>(8 + payload.size());
  std::string bytes{static_cast<char>(size >> 24), static_cast<char>(size >> 16),
                    static_cast<char>(size >> 8), static_cast<char>(size)};
  return bytes + type + payload;
}

TEST(PspVideoTitleTest, ReadsTheTitleThePspMuxerStores) {
  test::TempFolder temp;
  const auto video = temp / "clip.mp4";
  ASSERT_TRUE(
      test::run_ffmpeg({"-f", "lavfi", "-i", "testsrc=size=64x48:rate=10", "-f", "lavfi", "-i",
                        "sine", "-t", "0.5", "-c:v", "mpeg4", "-c:a", "aac", "-metadata",
                        "title=Summer/Trip \u00e9t\u00e9", "-f", "psp", video.string()}));
  EXPECT_EQ(psp_video_title(video), "Summer/Trip \u00e9t\u00e9");
}

TEST(PspVideoTitleTest, DamagedOrForeignFilesHaveNoTitle) {
  test::TempFolder temp;
  const std::string huge_box = std::string("\0\0\0\1free", 8) + std::string(8, '\xff') + "x";
  const std::string no_title = box("ftyp", "MSNV") + box("moov", box("uuid", std::string(16, 'U')));
  const std::string cut_table =
      box("moov", box("uuid", "USMT\x21\xd2\x4f\xce\xbb\x88\x69\x5c\xfa\xc9\xc7\x40" +
                                  box("MTDT", std::string("\0\1\0\x40", 4))));
  for (const std::string& bytes : {std::string(), std::string("\xff\xd8\xff\xe0 JPEG"), huge_box,
                                   no_title, cut_table, box("moov", "").substr(0, 6)}) {
    test::write_file(temp / "video.mp4", bytes);
    EXPECT_FALSE(psp_video_title(temp / "video.mp4")) << testing::PrintToString(bytes);
  }
  EXPECT_FALSE(psp_video_title(temp / "missing.mp4"));
}

}  // namespace
}  // namespace pictavo
