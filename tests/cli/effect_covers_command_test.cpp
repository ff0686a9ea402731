#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "effects/transition_type.h"
#include "image/image_file.h"
#include "render/argb.h"
#include "render/transition_renderers.h"
#include "support/files.h"
#include "support/run_command.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

using ::testing::HasSubstr;

TEST(EffectCoversCommand, WritesAJpegForEveryTransitionItCanRender) {
  test::TempProgramFolder home;
  test::TempFolder folder;
  const std::string red = test::write_photo(folder / "red.png", 64, 48, argb(255, 255, 0, 0));
  const std::string blue = test::write_photo(folder / "blue.png", 64, 48, argb(255, 0, 0, 255));
  const std::filesystem::path covers = folder / "EffectCover";
  const test::CommandResult result =
      test::run_cli({"effect-covers", "--from", red, "--to", blue, "--folder", covers.string()});
  ASSERT_EQ(result.exit_code, 0) << result.err;

  int rendered = 0;
  for (int id = 0; id < kConcreteTransitionCount; ++id) {
    const std::string name(cover_file_name(static_cast<TransitionType>(id)));
    if (transition_renderer(id) == nullptr) {
      EXPECT_FALSE(std::filesystem::exists(covers / name)) << name;
      EXPECT_THAT(result.out, HasSubstr(name + ": not rendered yet"));
      continue;
    }
    ++rendered;
    const Result<ImageInfo> info = probe_image_file(covers / name, ImageFormat::kJpeg);
    ASSERT_TRUE(info) << name << ": " << info.reason();
    EXPECT_EQ(info->width, 160) << name;
    EXPECT_EQ(info->height, 120) << name;
  }
  EXPECT_TRUE(probe_image_file(covers / "random.jpg", ImageFormat::kJpeg));
  EXPECT_THAT(result.out, HasSubstr(std::to_string(rendered + 1) + " cover pictures of 160x120"));
}

TEST(EffectCoversCommand, RefusesPicturesItCannotDecode) {
  test::TempProgramFolder home;
  test::TempFolder folder;
  const std::string red = test::write_photo(folder / "red.png", 64, 48, argb(255, 255, 0, 0));
  const test::CommandResult result =
      test::run_cli({"effect-covers", "--from", red, "--to", (folder / "missing.jpg").string(),
                     "--folder", (folder / "out").string()});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_THAT(result.err, HasSubstr("cannot decode"));
  EXPECT_FALSE(std::filesystem::exists(folder / "out"));
}

}  // namespace
}  // namespace pictavo
