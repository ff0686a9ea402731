#include "model/photo_edits.h"

#include <gtest/gtest.h>

#include <climits>

#include "image/image_file.h"
#include "image/test_pictures.h"
#include "model/photo_preparation.h"

namespace pictavo {
namespace {

using test::filled_image;

constexpr RgbQuad kRed = rgb(255, 0, 0);

Image load(const std::filesystem::path& path) {
  Result<Image> image = load_image(path, image_type_of(path));
  EXPECT_TRUE(image) << image.reason();
  return image ? std::move(*image) : Image();
}

RgbQuad wide_colour(int x, int y) {
  return rgb(static_cast<std::uint8_t>(x % 256), static_cast<std::uint8_t>(y * 20), 7);
}

class PhotoEdits : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(decorations_ / "Animal");
    ASSERT_TRUE(save_image(filled_image(4, 4, kRed), decorations_ / "Animal" / "red.png",
                           ImageFormat::kPng));
  }

  test::TempFolder root_;
  std::filesystem::path decorations_ = root_ / "decorate_pics";
  std::filesystem::path working_ = root_ / "Project_2";
  PhotoItem photo_{root_ / "photo.png", PhotoSetting{}};
};

TEST(EditingScale, FitsTheSourceIntoTheEditingAreaWithoutEnlarging) {
  EXPECT_DOUBLE_EQ(editing_scale(660, 480), 1.0);
  EXPECT_DOUBLE_EQ(editing_scale(100, 50), 1.0);
  EXPECT_DOUBLE_EQ(editing_scale(1320, 480), 2.0);
  EXPECT_DOUBLE_EQ(editing_scale(660, 960), 2.0);
  EXPECT_DOUBLE_EQ(editing_scale(1980, 960), 3.0);
}

TEST_F(PhotoEdits, GeometricEditsApplyInListOrderInDisplayPixels) {
  Image picture = *Image::create(1320, 12, 24);  // shown at half size
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 1320; ++x)
      picture.set_pixel(x, y, wide_colour(x, y));
  }
  photo_.append_edit(CropArea{20, 4, 10, 1});  // picture pixels 20..39 × 2..7
  photo_.append_edit(RotateLeft90{});
  photo_.append_edit(FlipHorizontally{});  // upside down
  photo_.append_edit(FlipVertically{});    // left to right
  ASSERT_TRUE(apply_photo_edits(picture, photo_, decorations_));
  ASSERT_EQ(picture.width(), 6);
  ASSERT_EQ(picture.height(), 20);
  EXPECT_TRUE(test::pixels_match(picture, [](int x, int y) { return wide_colour(20 + y, 7 - x); }));

  Image turned = filled_image(8, 6, kRed);
  photo_.edits.clear();
  photo_.append_edit(Rotate180{});
  photo_.append_edit(RotateRight90{});
  ASSERT_TRUE(apply_photo_edits(turned, photo_, decorations_));
  EXPECT_EQ(turned.width(), 6);
}

TEST_F(PhotoEdits, AdjustmentsComeBeforeTheOverlays) {
  Image picture = filled_image(40, 30, rgb(100, 100, 100));
  photo_.brightness = 50;
  photo_.append_edit(PictureOverlay{"red.png", 5, 5, 4, 4});
  photo_.append_edit(PictureOverlay{(decorations_ / "Animal" / "red.png").string(), 20, 20, 2, 2});
  ASSERT_TRUE(apply_photo_edits(picture, photo_, decorations_));
  EXPECT_EQ(picture.pixel(0, 0), rgb(150, 150, 150));
  EXPECT_EQ(picture.pixel(5, 5), kRed);
  EXPECT_EQ(picture.pixel(8, 8), kRed);
  EXPECT_EQ(picture.pixel(9, 9), rgb(150, 150, 150));
  EXPECT_EQ(picture.pixel(21, 21), kRed);
  EXPECT_EQ(picture.pixel(22, 22), rgb(150, 150, 150));
}

TEST_F(PhotoEdits, DecorationsThatCannotBeFoundAreLeftOut) {
  Image picture = filled_image(10, 10, rgb(1, 2, 3));
  photo_.append_edit(PictureOverlay{"missing.png", 0, 0, 4, 4});
  photo_.append_edit(PictureOverlay{"../decorate_pics/Animal/red.png", 0, 0, 4, 4});
  photo_.append_edit(PictureOverlay{"Animal", 0, 0, 4, 4});
  ASSERT_TRUE(apply_photo_edits(picture, photo_, decorations_));
  EXPECT_TRUE(test::pixels_match(picture, [](int, int) { return rgb(1, 2, 3); }));
}

TEST_F(PhotoEdits, TextIsDrawnInItsColourAtTheScaledPosition) {
  Image picture = filled_image(200, 60, rgb(255, 255, 255));
  TextOverlay text;
  text.text = "Hi";
  text.x = 100;
  text.y = 10;
  text.font_height = -30;
  text.font_weight = 700;
  text.font_color = 0x000000FF;  // red, in the colour value's order
  photo_.append_edit(text);
  ASSERT_TRUE(apply_photo_edits(picture, photo_, decorations_));
  int red = 0;
  int elsewhere = 0;
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 200; ++x) {
      const RgbQuad colour = picture.pixel(x, y);
      if (colour == rgb(255, 255, 255)) continue;
      if (x >= 100 && y >= 10 && colour.red > 200 && colour.green < 60) ++red;
      if (x < 95 || y < 5) ++elsewhere;
    }
  }
  EXPECT_GT(red, 40);
  EXPECT_EQ(elsewhere, 0);
}

TEST_F(PhotoEdits, ACropThatLeavesNothingFails) {
  Image picture = filled_image(40, 30, kRed);
  photo_.append_edit(CropArea{100, 100, 200, 200});
  const Status status = apply_photo_edits(picture, photo_, decorations_);
  EXPECT_FALSE(status);
  EXPECT_NE(status.reason().find("crop"), std::string::npos);
}

TEST_F(PhotoEdits, StoredExtremesStayWithinBounds) {
  Image picture = filled_image(8, 6, rgb(10, 20, 30));
  photo_.brightness = INT_MAX;
  photo_.contrast = INT_MIN;
  photo_.soften_times = INT_MAX;
  photo_.sharpen_times = INT_MAX;
  photo_.append_edit(CropArea{INT_MIN, INT_MIN, INT_MAX, INT_MAX});
  TextOverlay text;
  text.text = "x";
  text.x = INT_MAX;
  text.y = INT_MIN;
  text.font_height = INT_MIN;
  photo_.append_edit(text);
  photo_.append_edit(PictureOverlay{"red.png", INT_MIN, INT_MAX, INT_MAX, INT_MIN});
  ASSERT_TRUE(apply_photo_edits(picture, photo_, decorations_));
  EXPECT_EQ(picture.width(), 8);
}

TEST_F(PhotoEdits, PreparingWritesTheEditedBmpAndPointsThePhotoAtIt) {
  Image source = *Image::create(20, 10, 32);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 20; ++x)
      source.set_pixel(x, y, x < 10 ? rgb(200, 100, 50, 255) : rgb(200, 100, 50, 0));
  }
  ASSERT_TRUE(save_image(source, photo_.source_path, ImageFormat::kPng));
  photo_.append_edit(RotateRight90{});
  ASSERT_TRUE(prepare_edited_photo(photo_, working_, decorations_, {}));
  EXPECT_EQ(photo_.prepared_path, working_ / "temp" / "photo.png.bmp");
  const Image prepared = load(photo_.prepared_path);
  EXPECT_EQ(prepared.origin().format, ImageFormat::kBmp);
  EXPECT_EQ(prepared.bits_per_pixel(), 24);
  ASSERT_EQ(prepared.width(), 10);
  ASSERT_EQ(prepared.height(), 20);
  EXPECT_EQ(prepared.pixel(5, 2), rgb(200, 100, 50));
  EXPECT_EQ(prepared.pixel(5, 15), rgb(0, 0, 0));  // transparent, laid over black

  // Without edits the photo is rendered from its own file again.
  photo_.edits.clear();
  ASSERT_TRUE(prepare_edited_photo(photo_, working_, decorations_, {}));
  EXPECT_EQ(photo_.prepared_path, photo_.source_path);
}

TEST_F(PhotoEdits, AFailedPreparationKeepsThePreparedPicture) {
  ASSERT_TRUE(save_image(filled_image(20, 10, kRed), photo_.source_path, ImageFormat::kPng));
  photo_.prepared_path = working_ / "temp" / "photo.png";
  photo_.append_edit(CropArea{50, 50, 60, 60});
  EXPECT_FALSE(prepare_edited_photo(photo_, working_, decorations_, {}));
  EXPECT_EQ(photo_.prepared_path, working_ / "temp" / "photo.png");
  EXPECT_FALSE(std::filesystem::exists(edited_picture_path(photo_, working_, {})));

  PhotoItem missing(root_ / "gone.jpg", PhotoSetting{});
  missing.contrast = 10;
  EXPECT_FALSE(prepare_edited_photo(missing, working_, decorations_, {}));
  EXPECT_EQ(missing.prepared_path, missing.source_path);
}

}  // namespace
}  // namespace pictavo
