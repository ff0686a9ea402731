#include "device/psp_video_title.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "modules/media_tools.h"
#include "support/files.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

std::string big_endian(std::uint64_t value, int bytes) {
  std::string text;
  for (int i = bytes - 1; i >= 0; --i)
    text += static_cast<char>(value >> (8 * i));
  return text;
}

std::string box(const std::string& type, const std::string& payload) {
  return big_endian(8 + payload.size(), 4) + type + payload;
}

// The PSP's metadata box holding the title "Trip" after another entry.
std::string title_box() {
  const std::string other = big_endian(12, 2) + big_endian(0x0b, 4) + std::string(6, '\0');
  const std::string title = big_endian(20, 2) + big_endian(1, 4) + std::string(4, '\0') +
                            std::string("\0T\0r\0i\0p\0\0", 10);
  return box("uuid", "USMT\x21\xd2\x4f\xce\xbb\x88\x69\x5c\xfa\xc9\xc7\x40" +
                         box("MTDT", big_endian(2, 2) + other + title));
}

// The title read from a file holding `bytes`, which must be the one read from memory.
std::optional<std::string> title_of(const test::TempFolder& temp, const std::string& bytes) {
  test::write_file(temp / "video.mp4", bytes);
  const std::optional<std::string> title = psp_video_title(temp / "video.mp4");
  EXPECT_EQ(psp_video_title_in_bytes(bytes), title) << testing::PrintToString(bytes);
  return title;
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
    EXPECT_FALSE(title_of(temp, bytes)) << testing::PrintToString(bytes);
  }
  EXPECT_FALSE(psp_video_title(temp / "missing.mp4"));
  EXPECT_FALSE(psp_video_title(temp.path()));
}

// A size of 0 makes the last box reach to the end of the file; a size of 1 puts a
// 64-bit size after the type.
TEST(PspVideoTitleTest, ReadsBoxesSizedToTheEndOrIn64Bits) {
  test::TempFolder temp;
  const std::string movie = box("mvhd", std::string(100, '\0')) + title_box();
  const std::string ftyp = box("ftyp", "MSNV");
  const std::string to_the_end = std::string(4, '\0') + "moov" + movie;
  EXPECT_EQ(title_of(temp, ftyp + box("free", "") + to_the_end), "Trip");
  const std::string wide = big_endian(1, 4) + "mdat" + big_endian(24, 8) + std::string(8, 'm') +
                           big_endian(1, 4) + "moov" + big_endian(16 + movie.size(), 8) + movie;
  EXPECT_EQ(title_of(temp, ftyp + wide), "Trip");
  // A box sized 0 inside the movie reaches to the movie's end, not the file's.
  const std::string inner_to_end =
      box("moov", std::string(4, '\0') + "uuid" + title_box().substr(8));
  EXPECT_EQ(title_of(temp, inner_to_end + box("free", std::string(32, 'f'))), "Trip");
}

}  // namespace
}  // namespace pictavo
