#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image/image_file.h"
#include "support/files.h"
#include "support/run_command.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

using ::testing::HasSubstr;

// The sunset preview picture the program ships: 640 × 480.
std::string shipped_photo(const test::TempProgramFolder& home) {
  home.install("menu_pic");
  return (home.path() / "menu_pic" / "0.jpg").string();
}

TEST(SmallPictureCommands, ThmWritesTheThumbnailAndSaysWhereThePhotoIs) {
  test::TempProgramFolder home;
  const std::filesystem::path out = home.path() / "Trip.THM";
  const test::CommandResult result =
      test::run_cli({"thm", shipped_photo(home), "-o", out.string()});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.out,
            out.string() + ": 160 x 120 JPEG; the 640 x 480 photo drawn 160 x 120 at (0, 0)\n");
  const Result<Image> thm = load_image(out, ImageFormat::kJpeg);
  ASSERT_TRUE(thm) << thm.reason();
  EXPECT_EQ(thm->width(), 160);
  EXPECT_EQ(thm->height(), 120);
}

TEST(SmallPictureCommands, CoverWritesABmpUnlessTheExtensionNamesAnotherType) {
  test::TempProgramFolder home;
  const std::string photo = (test::test_data_folder() / "images/valid/orientation6.jpg").string();
  const std::filesystem::path bmp = home.path() / "cover.bmp";
  test::CommandResult result = test::run_cli({"cover", photo, "-o", bmp.string()});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  // The 8 × 6 photo stands upright as 6 × 8.
  EXPECT_THAT(result.out, HasSubstr(": 80 x 60 BMP; the 6 x 8 photo drawn 45 x 60 at (17, 0)\n"));
  EXPECT_EQ(test::read_file(bmp).substr(0, 2), "BM");

  const std::filesystem::path png = home.path() / "cover.png";
  result = test::run_cli({"cover", photo, "-o", png.string()});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(test::read_file(png).substr(1, 3), "PNG");
}

TEST(SmallPictureCommands, ReportFailuresAndMistakes) {
  test::TempProgramFolder home;
  const std::filesystem::path out = home.path() / "out.THM";
  test::CommandResult result =
      test::run_cli({"thm", (home.path() / "missing.jpg").string(), "-o", out.string()});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("pictavo-cli thm: "));
  EXPECT_THAT(result.err, HasSubstr("missing.jpg: cannot open"));
  EXPECT_FALSE(std::filesystem::exists(out));

  const std::string photo = shipped_photo(home);
  for (const std::vector<std::string>& mistake :
       {std::vector<std::string>{"thm", photo},
        {"cover", "-o", out.string()},
        {"thm", photo, "-o", out.string(), "--size", "2"}}) {
    result = test::run_cli(mistake);
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_THAT(result.err, HasSubstr("usage: pictavo-cli " + mistake.front()));
  }
  result = test::run_cli({"cover", photo, photo, "-o", out.string()});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.err, "pictavo-cli cover: " + out.string() + " is not a folder\n");
}

TEST(SmallPictureCommands, ManyPhotosGoIntoAFolderInTheirOrderAndOneFailureStopsNoOther) {
  test::TempProgramFolder home;
  const std::string photo = shipped_photo(home);
  const std::filesystem::path twin = home.path() / "twin" / "0.jpg";
  std::filesystem::create_directories(twin.parent_path());
  std::filesystem::copy_file(photo, twin);
  const std::filesystem::path out = home.path() / "thumbnails";
  std::filesystem::create_directories(out);
  const test::CommandResult result = test::run_cli(
      {"thm", photo, (home.path() / "missing.jpg").string(), twin.string(), "-o", out.string()});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(result.out, (out / "0.THM").string() +
                            ": 160 x 120 JPEG; the 640 x 480 photo drawn 160 x 120 at (0, 0)\n" +
                            (out / "0 (2).THM").string() +
                            ": 160 x 120 JPEG; the 640 x 480 photo drawn 160 x 120 at (0, 0)\n");
  EXPECT_THAT(result.err, HasSubstr("missing.jpg: cannot open"));
  EXPECT_TRUE(load_image(out / "0 (2).THM", ImageFormat::kJpeg));
}

}  // namespace
}  // namespace pictavo
