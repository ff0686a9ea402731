#include "model/photo_preparation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image/image_file.h"
#include "image/small_pictures.h"
#include "image/test_pictures.h"
#include "model/unsaved_changes.h"
#include "support/files.h"

namespace pictavo {
namespace {

using test::filled_image;
using test::pattern_colour;
using test::pattern_image;

std::vector<std::string> entries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    names.push_back(entry.path().filename().string());
  return names;
}

// The type by the extension; the PSP's thumbnails are JPEG files.
Image load(const std::filesystem::path& path) {
  const ImageFormat type = path.extension() == ".THM" ? ImageFormat::kJpeg : image_type_of(path);
  Result<Image> image = load_image(path, type);
  EXPECT_TRUE(image) << image.reason();
  return image ? std::move(*image) : Image();
}

// A working folder with its temp folder, and photos of the user's elsewhere.
class PhotoPreparation : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directories(working_ / "temp"); }

  PhotoItem photo(const std::string& name, const Image& picture) {
    const std::filesystem::path path = photos_ / name;
    std::filesystem::create_directories(photos_);
    const Status saved = save_image(picture, path, image_type_of(path));
    EXPECT_TRUE(saved) << saved.reason();
    return PhotoItem(path, PhotoSetting{});
  }

  test::TempFolder root_;
  std::filesystem::path working_ = root_ / "Project_1";
  std::filesystem::path photos_ = root_ / "photos";
};

TEST_F(PhotoPreparation, PreparedPicturesLiveInTheTempFolderUnderTheFileName) {
  const PhotoItem beach("/photos/beach.jpg", PhotoSetting{});
  EXPECT_EQ(beach.prepared_path, beach.source_path);
  EXPECT_EQ(rotated_picture_path(beach, "/w/Project_3", {}), "/w/Project_3/temp/beach.jpg");
  EXPECT_EQ(edited_picture_path(beach, "/w/Project_3", {}), "/w/Project_3/temp/beach.jpg.bmp");

  EXPECT_TRUE(is_plain_file_name("beach.jpg"));
  EXPECT_FALSE(is_plain_file_name(""));
  EXPECT_FALSE(is_plain_file_name(".."));
  EXPECT_FALSE(is_plain_file_name("a/b.jpg"));
}

TEST_F(PhotoPreparation, QuickRotationsWriteACopyInThePhotosOwnType) {
  PhotoItem item = photo("pattern.png", pattern_image());
  const std::string original = test::read_file(item.source_path);

  ASSERT_EQ(rotate_prepared_left(item, working_, {}), 0);
  EXPECT_EQ(item.prepared_path, working_ / "temp" / "pattern.png");
  Image turned = load(item.prepared_path);
  EXPECT_EQ(turned.origin().format, ImageFormat::kPng);
  ASSERT_EQ(turned.width(), test::kPatternHeight);
  ASSERT_EQ(turned.height(), test::kPatternWidth);
  EXPECT_EQ(turned.pixel(0, 0), pattern_colour(test::kPatternWidth - 1, 0));  // top-right came left

  // Back again, into the same file: the starting orientation, pixel for pixel.
  ASSERT_EQ(rotate_prepared_right(item, working_, {}), 0);
  EXPECT_EQ(item.prepared_path, working_ / "temp" / "pattern.png");
  EXPECT_TRUE(test::pixels_match(load(item.prepared_path), pattern_colour));
  EXPECT_EQ(entries(working_ / "temp"), std::vector<std::string>{"pattern.png"});
  EXPECT_EQ(test::read_file(item.source_path), original);
  EXPECT_TRUE(item.edits.empty());
}

TEST_F(PhotoPreparation, TheExtensionIsReadWhateverItsCase) {
  PhotoItem item = photo("CAMERA.JPEG", filled_image(40, 20, rgb(200, 120, 40)));
  ASSERT_EQ(rotate_prepared_right(item, working_, {}), 0);
  const Image turned = load(item.prepared_path);
  EXPECT_EQ(turned.origin().format, ImageFormat::kJpeg);
  EXPECT_EQ(turned.width(), 20);
  EXPECT_LE(test::channel_difference(turned.pixel(10, 20), rgb(200, 120, 40)), 3);
}

TEST_F(PhotoPreparation, PhonePhotosTurnIntoJpegCopies) {
  for (const char* name : {"gradient.heic", "gradient.webp"}) {
    SCOPED_TRACE(name);
    PhotoItem item(test::valid_picture(name), PhotoSetting{});
    ASSERT_EQ(rotate_prepared_right(item, working_, {}), 0);
    EXPECT_EQ(item.prepared_path, working_ / "temp" / name);
    const Image turned = load(item.prepared_path);
    EXPECT_EQ(turned.origin().format, ImageFormat::kJpeg);
    EXPECT_EQ(turned.width(), 12);
    EXPECT_EQ(turned.height(), 16);
  }
}

TEST_F(PhotoPreparation, AFailedRotationChangesNothing) {
  std::filesystem::create_directories(photos_);
  ASSERT_TRUE(save_image(pattern_image(), photos_ / "pattern.raw", ImageFormat::kPng));
  std::vector<PhotoItem> refused;
  refused.emplace_back(photos_ / "pattern.raw", PhotoSetting{});  // no type by its extension
  refused.emplace_back(photos_ / "missing.jpg", PhotoSetting{});
  refused.emplace_back(test::broken_picture("short.png"), PhotoSetting{});
  refused.emplace_back(test::valid_picture("drawing.wmf"), PhotoSetting{});  // no WMF writer
  for (PhotoItem& item : refused) {
    SCOPED_TRACE(item.file_name);
    const PhotoItem before = item;
    EXPECT_EQ(rotate_prepared_left(item, working_, {}), -1);
    EXPECT_EQ(rotate_prepared_right(item, working_, {}), -1);
    EXPECT_EQ(item.prepared_path, before.prepared_path);
    EXPECT_TRUE(entries(working_ / "temp").empty());
  }
}

TEST_F(PhotoPreparation, AQuarterTurnRecordsItsEditOnlyWhenThePictureTurned) {
  PhotoItem item = photo("pattern.png", pattern_image());
  item.thumbnail = Thumbnail{};
  const std::string original = test::read_file(item.source_path);
  clear_unsaved();
  ASSERT_EQ(quarter_turn_photo(item, QuarterTurn::kLeft, working_, {}), 0);
  ASSERT_EQ(quarter_turn_photo(item, QuarterTurn::kRight, working_, {}), 0);
  ASSERT_EQ(item.edits.size(), 2U);
  EXPECT_EQ(edit_kind(item.edits[0]), EditKind::kRotateLeft90);
  EXPECT_EQ(edit_kind(item.edits[1]), EditKind::kRotateRight90);
  EXPECT_EQ(item.prepared_path, working_ / "temp" / "pattern.png");
  EXPECT_FALSE(item.thumbnail.has_value());
  EXPECT_TRUE(has_unsaved_changes());
  EXPECT_EQ(test::read_file(item.source_path), original);

  PhotoItem drawing(test::valid_picture("drawing.wmf"), PhotoSetting{});
  EXPECT_EQ(quarter_turn_photo(drawing, QuarterTurn::kRight, working_, {}), -1);
  EXPECT_TRUE(drawing.edits.empty());
}

TEST_F(PhotoPreparation, ARotationNeverReplacesTheUsersOwnFile) {
  // The user picked a photo out of the temp folder itself.
  const std::filesystem::path inside = working_ / "temp" / "pattern.png";
  ASSERT_TRUE(save_image(pattern_image(), inside, ImageFormat::kPng));
  const std::string original = test::read_file(inside);
  PhotoItem item(inside, PhotoSetting{});
  EXPECT_EQ(rotate_prepared_left(item, working_, {}), -1);
  EXPECT_EQ(item.prepared_path, inside);
  EXPECT_EQ(test::read_file(inside), original);
}

TEST_F(PhotoPreparation, CoverPictureIsAn80By60BmpOfThePreparedPicture) {
  PhotoItem item = photo("wide.png", filled_image(640, 240, rgb(10, 90, 200)));
  const std::filesystem::path cover = working_ / "temp" / "cover_Trip.bmp";
  ASSERT_TRUE(write_cover_picture(item, cover));
  Image picture = load(cover);
  EXPECT_EQ(picture.origin().format, ImageFormat::kBmp);
  EXPECT_EQ(picture.bits_per_pixel(), 24);
  ASSERT_EQ(picture.width(), kCoverWidth);
  ASSERT_EQ(picture.height(), kCoverHeight);
  EXPECT_EQ(picture.pixel(40, 14), rgb(255, 255, 255));  // 80 × 30 at y 15
  EXPECT_EQ(picture.pixel(40, 15), rgb(10, 90, 200));
  EXPECT_EQ(picture.pixel(40, 44), rgb(10, 90, 200));
  EXPECT_EQ(picture.pixel(40, 45), rgb(255, 255, 255));

  // The cover follows the prepared picture, not the source.
  ASSERT_EQ(rotate_prepared_left(item, working_, {}), 0);
  ASSERT_TRUE(write_cover_picture(item, cover));
  picture = load(cover);
  EXPECT_EQ(picture.pixel(40, 0), rgb(10, 90, 200));  // 22 × 60 at x 28
  EXPECT_EQ(picture.pixel(20, 30), rgb(255, 255, 255));

  // A photo that does not decode leaves a white cover.
  const PhotoItem missing(photos_ / "gone.png", PhotoSetting{});
  EXPECT_FALSE(write_cover_picture(missing, cover));
  EXPECT_TRUE(test::pixels_match(load(cover), [](int, int) { return rgb(255, 255, 255); }));
}

TEST_F(PhotoPreparation, ThumbnailIsASmallBaselineJpegOfTheCoverPhoto) {
  Slideshow show("Trip/1", working_);
  show.photos.push_back(
      std::make_unique<PhotoItem>(photo("a.png", filled_image(64, 48, rgb(0, 200, 0)))));
  show.photos.push_back(
      std::make_unique<PhotoItem>(photo("b.png", filled_image(300, 400, rgb(200, 0, 0)))));
  show.cover_index = 7;  // held to the last photo
  const std::filesystem::path output = root_ / "Output";
  std::filesystem::create_directories(output);
  ASSERT_TRUE(write_thm(show, output));
  const std::filesystem::path thm = output / "Trip_1.THM";
  EXPECT_EQ(thm_path(show, output), thm);

  const std::string bytes = test::read_file(thm);
  ASSERT_GT(bytes.size(), 4u);
  EXPECT_EQ(bytes.substr(0, 3), "\xFF\xD8\xFF");
  EXPECT_NE(bytes.find("\xFF\xC0"), std::string::npos);  // baseline frame
  EXPECT_EQ(bytes.find("\xFF\xC2"), std::string::npos);  // no progressive frame
  EXPECT_LT(bytes.size(), 16u * 1024);
  const Image picture = load(thm);
  ASSERT_EQ(picture.width(), kThmWidth);
  ASSERT_EQ(picture.height(), kThmHeight);
  EXPECT_LE(test::channel_difference(picture.pixel(80, 60), rgb(200, 0, 0)), 8);
  EXPECT_LE(test::channel_difference(picture.pixel(10, 60), rgb(0, 0, 0)), 8);

  show.cover_index = -3;  // held to the first
  ASSERT_TRUE(write_thm(show, output));
  EXPECT_LE(test::channel_difference(load(thm).pixel(80, 60), rgb(0, 200, 0)), 8);

  Slideshow empty("Empty", working_);
  EXPECT_FALSE(write_thm(empty, output));
  EXPECT_FALSE(std::filesystem::exists(output / "Empty.THM"));
}

}  // namespace
}  // namespace pictavo
