#include "image/small_pictures.h"

#include <gtest/gtest.h>

#include "image/image_file.h"
#include "image/test_pictures.h"

namespace pictavo {
namespace {

using test::filled_image;

constexpr RgbQuad kWhite = rgb(255, 255, 255);
constexpr RgbQuad kBlack = rgb(0, 0, 0);
constexpr RgbQuad kRed = rgb(220, 30, 40);

TEST(SmallPictures, CoverTouchesTwoSidesAndCentresOnTheOthers) {
  EXPECT_EQ(cover_placement(320, 240), (Placement{0, 0, 80, 60}));
  EXPECT_EQ(cover_placement(240, 320), (Placement{17, 0, 45, 60}));
  EXPECT_EQ(cover_placement(640, 240), (Placement{0, 15, 80, 30}));
  EXPECT_EQ(cover_placement(40, 30), (Placement{0, 0, 80, 60}));  // small photos are enlarged
  // In single precision 69 × (60 / 69) comes out just below 60 and is truncated.
  EXPECT_EQ(cover_placement(80, 69), (Placement{5, 0, 69, 59}));
  EXPECT_EQ(cover_placement(100000, 1), (Placement{0, 29, 80, 1}));
  EXPECT_EQ(cover_placement(0, 10), Placement{});
}

TEST(SmallPictures, ThumbnailKeepsSmallPhotosAndReducesLargeOnes) {
  EXPECT_EQ(thm_placement(4000, 3000), (Placement{0, 0, 160, 120}));
  EXPECT_EQ(thm_placement(3000, 4000), (Placement{35, 0, 90, 120}));
  EXPECT_EQ(thm_placement(100, 50), (Placement{30, 35, 100, 50}));
  EXPECT_EQ(thm_placement(60, 100), (Placement{50, 10, 60, 100}));  // taller than 4:3, fits
  EXPECT_EQ(thm_placement(1000, 100), (Placement{0, 52, 160, 16}));
  EXPECT_EQ(thm_placement(160, 120), (Placement{0, 0, 160, 120}));
  EXPECT_EQ(thm_placement(100000, 1), (Placement{0, 59, 160, 1}));
  EXPECT_EQ(thm_placement(10, -1), Placement{});
}

TEST(SmallPictures, ListThumbnailTouchesTwoSidesAndRoundsItsOffsets) {
  EXPECT_EQ(letterbox_placement(4000, 3000, 80, 80), (Placement{0, 10, 80, 60}));
  EXPECT_EQ(letterbox_placement(3000, 4000, 80, 60), (Placement{18, 0, 45, 60}));  // 17.5 up
  EXPECT_EQ(letterbox_placement(40, 30, 160, 120), (Placement{0, 0, 160, 120}));
  EXPECT_EQ(letterbox_placement(100000, 1, 60, 45), (Placement{0, 22, 60, 1}));
  EXPECT_EQ(letterbox_placement(0, 10, 60, 45), Placement{});
}

class SmallPictureFiles : public ::testing::Test {
 protected:
  std::filesystem::path photo(const std::string& name, const Image& picture) {
    const std::filesystem::path path = folder_ / name;
    EXPECT_TRUE(save_image(picture, path, image_type_of(path)));
    return path;
  }

  test::TempFolder folder_;
};

TEST_F(SmallPictureFiles, CoverDrawsThePhotoOverWhite) {
  const Result<Image> cover = make_cover_picture(photo("tall.png", filled_image(240, 320, kRed)));
  ASSERT_TRUE(cover) << cover.reason();
  ASSERT_EQ(cover->width(), kCoverWidth);
  ASSERT_EQ(cover->height(), kCoverHeight);
  EXPECT_EQ(cover->bits_per_pixel(), 24);
  // Drawn 45 × 60 at x 17: columns 17 to 61 are the photo, its edges sharp.
  for (const int y : {0, 30, 59}) {
    EXPECT_EQ(cover->pixel(16, y), kWhite);
    EXPECT_EQ(cover->pixel(17, y), kRed);
    EXPECT_EQ(cover->pixel(61, y), kRed);
    EXPECT_EQ(cover->pixel(62, y), kWhite);
  }
}

TEST_F(SmallPictureFiles, ListThumbnailLetterboxesThePhotoOnWhite) {
  const Result<Image> thumbnail =
      make_list_thumbnail(photo("tall.png", filled_image(240, 320, kRed)), 60, 45);
  ASSERT_TRUE(thumbnail) << thumbnail.reason();
  ASSERT_EQ(thumbnail->width(), 60);
  ASSERT_EQ(thumbnail->height(), 45);
  // 34 × 45 at x 13.
  EXPECT_EQ(thumbnail->pixel(12, 20), kWhite);
  EXPECT_EQ(thumbnail->pixel(13, 20), kRed);
  EXPECT_EQ(thumbnail->pixel(46, 20), kRed);
  EXPECT_EQ(thumbnail->pixel(47, 20), kWhite);
}

TEST_F(SmallPictureFiles, CoverLaysTranslucentPhotosOverWhite) {
  Image half = *Image::create(64, 48, 32);
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 64; ++x)
      half.set_pixel(x, y, rgb(0, 0, 0, 128));
  }
  const Result<Image> cover = make_cover_picture(photo("half.png", half));
  ASSERT_TRUE(cover) << cover.reason();
  EXPECT_LE(test::channel_difference(cover->pixel(40, 30), rgb(127, 127, 127)), 1);
}

TEST_F(SmallPictureFiles, ThumbnailPlacesThePhotoOnBlack) {
  const Result<Image> portrait = make_thm_picture(photo("tall.jpg", filled_image(300, 400, kRed)));
  ASSERT_TRUE(portrait) << portrait.reason();
  ASSERT_EQ(portrait->width(), kThmWidth);
  ASSERT_EQ(portrait->height(), kThmHeight);
  // 90 × 120 at x 35.
  EXPECT_EQ(portrait->pixel(34, 60), kBlack);
  EXPECT_LE(test::channel_difference(portrait->pixel(36, 60), kRed), 6);
  EXPECT_LE(test::channel_difference(portrait->pixel(123, 60), kRed), 6);
  EXPECT_EQ(portrait->pixel(125, 60), kBlack);

  // A small photo keeps its size and every pixel: 100 × 50 at (30, 35).
  Image pattern = *Image::create(100, 50, 24);
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 100; ++x)
      pattern.set_pixel(x, y, rgb(x * 2, y * 5, 90));
  }
  const Result<Image> small = make_thm_picture(photo("small.png", pattern));
  ASSERT_TRUE(small) << small.reason();
  EXPECT_TRUE(test::pixels_match(*small, [](int x, int y) {
    const bool inside = x >= 30 && x < 130 && y >= 35 && y < 85;
    return inside ? rgb((x - 30) * 2, (y - 35) * 5, 90) : kBlack;
  }));
}

TEST_F(SmallPictureFiles, PhotosThatDoNotDecodeGiveTheReason) {
  const Result<Image> missing = make_thm_picture(folder_ / "missing.jpg");
  EXPECT_FALSE(missing);
  EXPECT_NE(missing.reason().find("missing.jpg"), std::string::npos);
  EXPECT_FALSE(make_cover_picture(test::broken_picture("short.png")));
  EXPECT_FALSE(make_cover_picture(folder_ / "photo.raw"));
}

TEST(SmallPictures, SolidPictureIsOneOpaqueColour) {
  const std::optional<Image> picture = solid_picture(3, 2, rgb(1, 2, 3, 0));
  ASSERT_TRUE(picture);
  EXPECT_TRUE(test::pixels_match(*picture, [](int, int) { return rgb(1, 2, 3); }));
  EXPECT_FALSE(solid_picture(0, 2, kWhite));
}

}  // namespace
}  // namespace pictavo
