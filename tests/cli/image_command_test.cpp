#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "image/image_file.h"
#include "support/run_command.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

using ::testing::HasSubstr;

std::string picture(const std::string& name) {
  return (test::test_data_folder() / "images" / "valid" / name).string();
}

Image load(const std::filesystem::path& path) {
  Result<Image> image = load_image(path, image_type_of(path));
  EXPECT_TRUE(image) << image.reason();
  return image ? std::move(*image) : Image();
}

TEST(ImageCommand, InfoDescribesEachFileOrWhyItFails) {
  test::TempProgramFolder home;
  const test::CommandResult result = test::run_cli(
      {"image", "info", picture("orientation6.jpg"), picture("animation.gif"), picture("alpha.png"),
       (test::test_data_folder() / "images/broken/huge.png").string()});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.out,
              HasSubstr("orientation6.jpg: JPEG 6 x 8, 24 bits, 1 frame, orientation 6\n"));
  EXPECT_THAT(result.out, HasSubstr("animation.gif: GIF 8 x 6, 1 bits, 3 frames, orientation 1\n"));
  EXPECT_THAT(result.out,
              HasSubstr("alpha.png: PNG 8 x 6, 32 bits, 1 frame, orientation 1, alpha\n"));
  EXPECT_THAT(result.out, HasSubstr("huge.png: cannot decode: the picture is too large"));

  EXPECT_EQ(test::run_cli({"image", "info", picture("pattern.tif")}).exit_code, 0);
}

TEST(ImageCommand, InfoAndConvertGiveEveryFileTheSameAnswer) {
  test::TempProgramFolder home;
  const std::string out = (home.path() / "out.png").string();
  const std::filesystem::path images = test::test_data_folder() / "images";
  for (const auto& [file, readable] : {std::pair{"valid/top-down24.bmp", true},
                                       {"broken/no-trailer.gif", true},
                                       {"broken/loop.tif", false},
                                       {"broken/long-chunk.png", false}}) {
    SCOPED_TRACE(file);
    const std::string path = (images / file).string();
    EXPECT_EQ(test::run_cli({"image", "info", path}).exit_code, readable ? 0 : 1);
    EXPECT_EQ(test::run_cli({"image", "convert", path, out}).exit_code, readable ? 0 : 1);
  }
}

TEST(ImageCommand, ConvertAppliesTheEditsInOrder) {
  test::TempProgramFolder home;
  const std::filesystem::path out = home.path() / "out.png";
  test::CommandResult result =
      test::run_cli({"image", "convert", picture("pattern.png"), out.string(), "--crop", "6,0,2,4",
                     "--rotate", "left"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  Image image = load(out);
  ASSERT_EQ(image.width(), 4);
  ASSERT_EQ(image.height(), 4);
  EXPECT_EQ(image.pixel(0, 0), rgb(5 * 36, 0, 100));  // old (5, 0): the crop's top-right

  result = test::run_cli({"image", "convert", picture("grey.pgm"), out.string(), "--light", "5,0",
                          "--flip", "--mirror"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  image = load(out);
  EXPECT_EQ(image.pixel(0, 0).red, 7 * 30 + 5 * 5 + 5);

  const std::filesystem::path bmp = home.path() / "small.bmp";
  result = test::run_cli({"image", "convert", picture("pattern.jpg"), bmp.string(), "--size", "4x3",
                          "--soften", "2", "--sharpen", "1"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  image = load(bmp);
  EXPECT_EQ(image.width(), 4);
  EXPECT_EQ(image.height(), 3);
}

TEST(ImageCommand, ConvertPicksFramesAndWritesEveryWritableType) {
  test::TempProgramFolder home;
  const std::filesystem::path frame = home.path() / "frame.png";
  ASSERT_EQ(
      test::run_cli({"image", "convert", picture("animation.gif"), frame.string(), "--frame", "1"})
          .exit_code,
      0);
  EXPECT_EQ(load(frame).pixel(3, 3), rgb(0, 255, 0));

  for (const char* extension : {"bmp", "gif", "jpg", "png", "ico", "tif", "tga", "pcx", "wbmp",
                                "jp2", "jpc", "pgx", "ppm", "ras"}) {
    SCOPED_TRACE(extension);
    const std::filesystem::path out = home.path() / (std::string("copy.") + extension);
    const test::CommandResult result = test::run_cli(
        {"image", "convert", picture("pattern.png"), out.string(), "--quality", "90"});
    ASSERT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(load(out).width(), 8);
  }
}

TEST(ImageCommand, ConvertReportsFailuresAndMistakes) {
  test::TempProgramFolder home;
  const std::string out = (home.path() / "out.png").string();
  test::CommandResult result = test::run_cli({"image", "convert", picture("missing.png"), out});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("missing.png: cannot open"));

  result = test::run_cli(
      {"image", "convert", picture("pattern.png"), (home.path() / "out.wmf").string()});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("WMF pictures cannot be written"));

  result = test::run_cli({"image", "convert", picture("pattern.png"), out, "--crop", "9,9,20,20"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("the edits do not fit the picture"));

  for (const std::vector<std::string>& mistake :
       {std::vector<std::string>{"image"},
        {"image", "info"},
        {"image", "show", picture("pattern.png")},
        {"image", "convert", picture("pattern.png")},
        {"image", "convert", picture("pattern.png"), (home.path() / "out.xyz").string()},
        {"image", "convert", picture("pattern.png"), out, "--rotate", "sideways"},
        {"image", "convert", picture("pattern.png"), out, "--size", "4"},
        {"image", "convert", picture("pattern.png"), out, "--crop", "1,2,x,4"},
        {"image", "info", "--flip", picture("pattern.png")}}) {
    result = test::run_cli(mistake);
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_THAT(result.err, HasSubstr("usage: pictavo-cli image"));
  }
}

}  // namespace
}  // namespace pictavo
