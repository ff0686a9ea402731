#include "model/photo_item.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "base/calendar_date.h"
#include "model/file_type_name.h"
#include "model/photo_caption.h"
#include "support/files.h"
#include "support/scoped_environment.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

TEST(FileSizeText, WholeUnitsRoundedDown) {
  EXPECT_EQ(file_size_text(0), "0KB");
  EXPECT_EQ(file_size_text(1), "1KB");
  EXPECT_EQ(file_size_text(1024), "1KB");
  EXPECT_EQ(file_size_text(1025), "1KB");
  EXPECT_EQ(file_size_text(1536), "1KB");
  EXPECT_EQ(file_size_text(2048), "2KB");
  EXPECT_EQ(file_size_text(1024 * 1024), "1024KB");
  EXPECT_EQ(file_size_text(3'000'000), "2MB");
  EXPECT_EQ(file_size_text(1024ull * 1024 * 1024 - 1), "1023MB");
  EXPECT_EQ(file_size_text(1024ull * 1024 * 1024), "1.0GB");
  EXPECT_EQ(file_size_text(1536ull * 1024 * 1024), "1.5GB");
  EXPECT_EQ(file_size_text(5ull << 40), "5120.0GB");
}

TEST(FileTypeName, ByExtensionWhateverItsCase) {
  EXPECT_EQ(file_type_name("/a/b.jpg"), "JPEG image");
  EXPECT_EQ(file_type_name("/a/b.JPEG"), "JPEG image");
  EXPECT_EQ(file_type_name("/a/b.Tif"), "TIFF image");
  EXPECT_EQ(file_type_name("/a/b.xyz"), "XYZ file");
  EXPECT_EQ(file_type_name("/a/b"), "File");
  EXPECT_EQ(file_type_name("/a/b."), "File");
}

TEST(PhotoItem, ReadsTheFileAndTakesTheSettingAsAPhotoCopy) {
  test::TempFolder folder;
  const auto path = folder / "beach.jpg";
  std::ofstream(path) << std::string(1536, 'x');

  PhotoSetting project;
  project.working_folder = "/w";
  project.effect.category = ImageEffectCategory::kPan;
  project.effect.set_transition(std::make_unique<RandomTransitionParams>());
  const PhotoItem photo(path, project);
  EXPECT_EQ(photo.source_path, path);
  EXPECT_EQ(photo.prepared_path, path);
  EXPECT_EQ(photo.file_name, "beach.jpg");
  EXPECT_EQ(photo.file_size, 1536u);
  EXPECT_EQ(photo.size_text, "1KB");
  EXPECT_EQ(photo.type_name, "JPEG image");
  EXPECT_GT(photo.created.time_since_epoch().count(), 0);
  EXPECT_EQ(photo.start.seconds(), 0);
  EXPECT_EQ(photo.start.text(), "00:00:00");
  EXPECT_TRUE(photo.setting.working_folder.empty());  // the working folder is not copied
  EXPECT_LT(static_cast<int>(photo.setting.effect.image_effect), 8);
  EXPECT_NE(photo.setting.effect.transition().type(), TransitionType::kRandom);
  EXPECT_FALSE(photo.thumbnail);
}

TEST(PhotoItem, AFileThatCannotBeExaminedHasNoSize) {
  const PhotoItem photo("/no/such/folder/p.png", PhotoSetting{});
  EXPECT_EQ(photo.file_name, "p.png");
  EXPECT_EQ(photo.file_size, 0u);
  EXPECT_EQ(photo.size_text, "0KB");
  EXPECT_EQ(photo.type_name, "PNG image");
}

TEST(PhotoItem, AdoptsAReadyThumbnail) {
  const PhotoItem photo("/x/p.png", PhotoSetting{}, Thumbnail{2, 1, 1, {1, 2, 3, 0}});
  ASSERT_TRUE(photo.thumbnail);
  EXPECT_EQ(photo.thumbnail->size_index, 2);
  EXPECT_EQ(photo.thumbnail->pixels.size(), 4u);
}

TEST(PhotoItem, RerootingMovesOnlyPreparedCopiesUnderTheirOwnNames) {
  PhotoItem untouched("/photos/a.jpg", PhotoSetting{});
  untouched.reroot_prepared("/w2/temp");
  EXPECT_EQ(untouched.prepared_path, "/photos/a.jpg");

  PhotoItem edited("/photos/beach.jpg", PhotoSetting{});
  edited.prepared_path = "/w1/temp/beach.jpg.bmp";
  edited.reroot_prepared("/w2/temp");
  EXPECT_EQ(edited.prepared_path, "/w2/temp/beach.jpg.bmp");
}

TEST(PhotoItem, CopiesCloneSettingAndEdits) {
  PhotoItem photo("/photos/a.jpg", PhotoSetting{});
  photo.append_edit(CropArea{1, 2, 30, 40});
  photo.append_edit(RotateLeft90{});
  photo.start = ClockSeconds(3725);
  PhotoItem copy = photo;
  copy.setting.effect.transition().set_values({1, 0});
  copy.edits.clear();
  EXPECT_EQ(photo.edits.size(), 2u);
  EXPECT_EQ(edit_kind(photo.edits[1]), EditKind::kRotateLeft90);
  EXPECT_EQ(copy.start.text(), "01:02:05");
  EXPECT_NE(&copy.setting.effect.transition(), &photo.setting.effect.transition());
}

TEST(EditItem, KindsAndElementNames) {
  const EditItem items[] = {TextOverlay{},      PictureOverlay{}, CropArea{},
                            RotateLeft90{},     RotateRight90{},  Rotate180{},
                            FlipHorizontally{}, FlipVertically{}};
  const std::string_view names[] = {"Text",
                                    "Image",
                                    "Crop",
                                    "RotateLeft90",
                                    "RotateRight90",
                                    "Rotate180",
                                    "FlipHorizontally",
                                    "FlipVertically"};
  for (int kind = 0; kind < 8; ++kind) {
    EXPECT_EQ(static_cast<int>(edit_kind(items[kind])), kind);
    EXPECT_EQ(edit_element_name(static_cast<EditKind>(kind)), names[kind]);
    EXPECT_EQ(edit_kind_from_element_name(names[kind]), static_cast<EditKind>(kind));
  }
  EXPECT_EQ(edit_kind_from_element_name("Rotate90"), std::nullopt);
  EXPECT_EQ(edit_element_name(static_cast<EditKind>(8)), "");
}

TEST(EditItem, FontNamesAreCutToThirtyOneCharacters) {
  TextOverlay text;
  text.set_font_name(std::string(40, 'a'));
  EXPECT_EQ(text.font_name.size(), 31u);
  text.set_font_name("\u5b8b\u4f53");  // two characters, six bytes
  EXPECT_EQ(text.font_name, "\u5b8b\u4f53");
}

// A JPEG's start and an APP1 block holding DateTimeOriginal `stamp`.
std::string jpeg_taken_at(const std::string& stamp) {
  const std::string block = test::exif_block_taken_at(stamp);
  const std::size_t length = block.size() + 2;
  return std::string("\xFF\xD8\xFF\xE0\0\x04JF\xFF\xE1", 10) + static_cast<char>(length >> 8) +
         static_cast<char>(length & 0xFF) + block + "\xFF\xDA";
}

TEST(Captions, ATypedCaptionGoesFirstThenTheNameAndTheDayTakenInTheUsersLocale) {
  EXPECT_EQ(long_date_text({2026, 12, 9}, "en_GB.UTF-8"), "9 December 2026");
  EXPECT_EQ(long_date_text({2026, 12, 9}, "de_DE.UTF-8"), "9. Dezember 2026");
  EXPECT_EQ(long_date_text({2026, 12, 9}, "C"), "December 9, 2026");
  EXPECT_EQ(long_date_text({2026, 2, 29}, "C"), "");

  test::TempFolder folder;
  test::write_file(folder / "Garden pond.jpg", jpeg_taken_at("2026:12:09 10:30:00"));
  test::write_file(folder / "Scan.jpg", jpeg_taken_at("0000:00:00 00:00:00"));
  test::ScopedEnvironment locale("LC_ALL", "en_GB.UTF-8");
  PhotoItem pond(folder / "Garden pond.jpg", PhotoSetting{});
  const PhotoItem scan(folder / "Scan.jpg", PhotoSetting{});
  ASSERT_TRUE(pond.date_taken);
  EXPECT_EQ(*pond.date_taken, (CalendarDate{2026, 12, 9}));
  EXPECT_FALSE(scan.date_taken);

  EXPECT_EQ(photo_caption(pond, AutoCaption::kNone), "");
  EXPECT_EQ(photo_caption(pond, AutoCaption::kFileName), "Garden pond");
  EXPECT_EQ(photo_caption(pond, AutoCaption::kDateTaken), "9 December 2026");
  EXPECT_EQ(photo_caption(pond, AutoCaption::kNameAndDate), "Garden pond \u2013 9 December 2026");
  EXPECT_EQ(photo_caption(scan, AutoCaption::kNameAndDate), "Scan");
  EXPECT_EQ(photo_caption(scan, AutoCaption::kDateTaken), "");
  pond.caption = "Our pond";
  EXPECT_EQ(photo_caption(pond, AutoCaption::kNameAndDate), "Our pond");
}

}  // namespace
}  // namespace pictavo
