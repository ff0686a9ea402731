#include <gtest/gtest.h>

#include "image/image_file.h"
#include "model/preferences.h"
#include "support/files.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

struct Expected {
  std::filesystem::path Preferences::*path;
  int width;
  int height;
};

TEST(ShippedPictures, EveryPictureThePreferencesNameDecodesAtItsSize) {
  test::TempProgramFolder home;
  home.install("menu_pic");
  home.install("res");
  Preferences preferences;
  preferences.set_program_folder(home.path(), home.path());
  for (const Expected& picture : {Expected{&Preferences::default_image, 160, 120},
                                  Expected{&Preferences::ntsc_menu_background, 720, 480},
                                  Expected{&Preferences::pal_menu_background, 720, 576},
                                  Expected{&Preferences::ntsc_background, 720, 480},
                                  Expected{&Preferences::pal_background, 720, 576}}) {
    const std::filesystem::path& path = preferences.*picture.path;
    SCOPED_TRACE(path);
    const Result<Image> image = load_image(path, image_type_of(path));
    ASSERT_TRUE(image) << image.reason();
    EXPECT_EQ(image->width(), picture.width);
    EXPECT_EQ(image->height(), picture.height);
  }
}

TEST(ShippedPictures, TheTwoPreviewPicturesAreSmallAndDifferent) {
  test::TempProgramFolder home;
  home.install("menu_pic");
  const std::filesystem::path first = home.path() / "menu_pic" / "0.jpg";
  const std::filesystem::path second = home.path() / "menu_pic" / "1.jpg";
  const Result<Image> a = load_image(first, ImageFormat::kJpeg);
  const Result<Image> b = load_image(second, ImageFormat::kJpeg);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->width(), 640);
  EXPECT_EQ(a->height(), 480);
  EXPECT_EQ(b->width(), 640);
  EXPECT_EQ(b->height(), 480);
  // Pictures of their own: the sunset is warm at the horizon, the meadow green below.
  const RgbQuad horizon = a->pixel(600, 280);
  const RgbQuad meadow = b->pixel(100, 360);
  EXPECT_GT(horizon.red, horizon.blue + 100);
  EXPECT_GT(meadow.green, meadow.red + 40);
  EXPECT_LT(test::read_file(first).size() + test::read_file(second).size(), 100'000u);
}

}  // namespace
}  // namespace pictavo
