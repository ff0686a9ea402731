// The photo and track operations of a slideshow and its length in frames.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "editing_fixture.h"
#include "image/image_file.h"
#include "image/test_pictures.h"
#include "model/project_messages.h"
#include "model/unsaved_changes.h"

namespace pictavo {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;

class SlideshowEditing : public test::EditingTest {
 protected:
  // The photos' file names in order, without extension.
  static std::string order(const Slideshow& slideshow) {
    std::string text;
    for (const auto& photo : slideshow.photos)
      text += photo->file_name.substr(0, photo->file_name.find('.'));
    return text;
  }

  // A slideshow of photos named by the letters of `names`.
  Slideshow& lettered(std::string_view names) {
    project->add_slideshow("Letters");
    Slideshow& slideshow = *project->slideshows.back();
    for (const char letter : names)
      slideshow.add_photo(photo(std::string(1, letter) + ".png"), project->default_setting);
    return slideshow;
  }
};

TEST_F(SlideshowEditing, LengthsCountTheFirstPhotosTimeThenEachTransitionAndTime) {
  Slideshow& slideshow = slideshow_with_photos(1);
  EXPECT_EQ(slideshow.total_frames, 89);  // trunc(3 × 29.97)
  slideshow.add_photo(photo("second.png"), project->default_setting);
  EXPECT_EQ(slideshow.total_frames, 239);  // trunc((3 + 2 + 3) × 29.97)
  EXPECT_EQ(slideshow.photos[1]->start.seconds(), 3);
  EXPECT_EQ(slideshow.photos[1]->start.text(), "00:00:03");
  EXPECT_EQ(slideshow.length_seconds(), 8);

  // The first photo's TV system sets the rate for all.
  slideshow.photos[0]->setting.tv_system = 1;
  slideshow.update_length();
  EXPECT_EQ(slideshow.total_frames, 200);

  // The first photo's transition is never shown.
  slideshow.photos[0]->setting.effect.display_seconds = 7;
  slideshow.photos[0]->setting.effect.transition_seconds = 9;
  slideshow.photos[1]->setting.effect.transition_seconds = 4;
  slideshow.update_length();
  EXPECT_EQ(slideshow.photos[1]->start.seconds(), 7);
  EXPECT_EQ(slideshow.total_frames, (7 + 4 + 3) * 25);

  slideshow.remove_photos(std::vector<int>{0, 1});
  EXPECT_EQ(slideshow.total_frames, 0);
  EXPECT_EQ(slideshow.length_seconds(), 0.0f);
}

TEST_F(SlideshowEditing, AddingRefusesWhatCannotBeShownOrIsThereAlready) {
  Slideshow& slideshow = slideshow_with_photos(0);
  const auto first = photo("first.png");
  std::ofstream(files / "text.png") << "not a picture";
  observer.notices.clear();
  EXPECT_EQ(slideshow.add_photo("", project->default_setting), 1);
  EXPECT_TRUE(has_unsaved_changes());  // even a refusal marks the project
  EXPECT_EQ(slideshow.add_photo(files / "text.png", project->default_setting), 1);
  EXPECT_EQ(slideshow.add_photo(files / "missing.png", project->default_setting), 1);
  EXPECT_TRUE(observer.notices.empty());

  EXPECT_EQ(slideshow.add_photo(first, project->default_setting), 0);
  EXPECT_THAT(observer.notices, ElementsAre(ProjectChange::Kind::kPhotosInserted,
                                            ProjectChange::Kind::kCoverChanged));
  EXPECT_EQ(slideshow.add_photo(first, project->default_setting), 1);
  // Once an edit renders the photo from a prepared copy, the file can come again.
  slideshow.photos[0]->prepared_path = files / "first.png.bmp";
  EXPECT_EQ(slideshow.add_photo(first, project->default_setting), 0);
  EXPECT_EQ(slideshow.photos.size(), 2u);
  EXPECT_EQ(slideshow.cover_index, 0);
}

TEST_F(SlideshowEditing, NewPhotosCopyTheSettingWithDurationsInRange) {
  Slideshow& slideshow = slideshow_with_photos(0);
  project->default_setting.effect.display_seconds = -4;
  project->default_setting.effect.transition_seconds = 1000;
  project->default_setting.tv_system = 1;
  slideshow.add_photo(photo("a.png"), project->default_setting);
  const PhotoSetting& setting = slideshow.photos[0]->setting;
  EXPECT_EQ(setting.effect.display_seconds, 1);
  EXPECT_EQ(setting.effect.transition_seconds, 10);
  EXPECT_EQ(setting.tv_system, 1);
  EXPECT_EQ(setting.temp_folder, project->default_setting.temp_folder);
}

TEST_F(SlideshowEditing, RemovingKeepsTheCoverOnItsPhoto) {
  Slideshow& slideshow = lettered("abcde");
  slideshow.set_cover(3);  // d
  observer.notices.clear();
  EXPECT_EQ(slideshow.remove_photos(std::vector<int>{0, 1}), 0);
  EXPECT_EQ(order(slideshow), "cde");
  EXPECT_EQ(slideshow.cover_index, 1);
  EXPECT_THAT(observer.notices, ElementsAre(ProjectChange::Kind::kPhotosRemoved));
  observer.notices.clear();
  EXPECT_EQ(slideshow.remove_photos(std::vector<int>{2, 1}), 0);  // d goes: the first is the cover
  EXPECT_EQ(order(slideshow), "c");
  EXPECT_EQ(slideshow.cover_index, 0);
  EXPECT_THAT(observer.notices,
              ElementsAre(ProjectChange::Kind::kCoverChanged, ProjectChange::Kind::kPhotosRemoved));
  EXPECT_EQ(slideshow.remove_photos(std::vector<int>{0, 1}), 1);
  EXPECT_EQ(slideshow.remove_photo(-1), 1);
  EXPECT_EQ(order(slideshow), "c");
  EXPECT_EQ(slideshow.total_frames, 89);
}

TEST_F(SlideshowEditing, TheCoverPhotoClampsTheStoredIndex) {
  Slideshow& slideshow = lettered("ab");
  slideshow.cover_index = 7;
  EXPECT_EQ(slideshow.cover_photo(), slideshow.photos[1].get());
  EXPECT_EQ(slideshow.cover_index, 1);
  slideshow.cover_index = -3;
  EXPECT_EQ(slideshow.cover_photo(), slideshow.photos[0].get());
  observer.notices.clear();
  slideshow.set_cover(9);  // only stored
  EXPECT_EQ(slideshow.cover_index, 9);
  EXPECT_TRUE(observer.notices.empty());
  Slideshow empty("Empty", "/w");
  EXPECT_EQ(empty.cover_photo(), nullptr);
}

TEST_F(SlideshowEditing, TheCoverPictureIsDrawnFromTheChosenPhoto) {
  project->add_slideshow("Covers");
  Slideshow& slideshow = *project->slideshows.back();
  const auto add = [&](const char* name, int width, int height, RgbQuad colour) {
    const std::filesystem::path path = files / name;
    ASSERT_TRUE(save_image(test::filled_image(width, height, colour), path, ImageFormat::kPng));
    ASSERT_EQ(slideshow.add_photo(path, project->default_setting), 0);
  };
  const auto cover = [&] {
    Result<Image> picture = load_image(slideshow.cover_path, ImageFormat::kBmp);
    EXPECT_TRUE(picture) << picture.reason();
    return picture ? std::move(*picture) : Image();
  };
  observer.notices.clear();
  add("wide.png", 80, 30, rgb(0, 0, 200));  // drawn at y 15, 80 × 30
  EXPECT_THAT(observer.notices, Contains(ProjectChange::Kind::kCoverChanged));
  EXPECT_EQ(cover().pixel(40, 0), rgb(255, 255, 255));
  EXPECT_EQ(cover().pixel(40, 30), rgb(0, 0, 200));

  add("tall.png", 30, 60, rgb(200, 0, 0));  // drawn at x 25, 30 × 60
  EXPECT_EQ(cover().pixel(40, 30), rgb(0, 0, 200));
  observer.notices.clear();
  slideshow.set_cover(1);
  EXPECT_THAT(observer.notices, ElementsAre(ProjectChange::Kind::kCoverChanged));
  EXPECT_EQ(cover().pixel(0, 30), rgb(255, 255, 255));
  EXPECT_EQ(cover().pixel(40, 30), rgb(200, 0, 0));
}

TEST_F(SlideshowEditing, SingleMovesSwapNeighbours) {
  Slideshow& slideshow = lettered("abc");
  EXPECT_EQ(slideshow.move_photo_up(0), 0);
  EXPECT_EQ(slideshow.move_photo_down(2), 0);
  EXPECT_EQ(order(slideshow), "abc");
  EXPECT_EQ(slideshow.move_photo_up(1), 0);
  EXPECT_EQ(order(slideshow), "bac");
  EXPECT_EQ(slideshow.move_photo_down(1), 0);
  EXPECT_EQ(order(slideshow), "bca");
  EXPECT_EQ(slideshow.move_photo_up(3), 1);
  EXPECT_EQ(slideshow.move_photo_down(-1), 1);
  EXPECT_EQ(order(slideshow), "bca");
}

TEST_F(SlideshowEditing, SeveralPhotosMoveAsOneRunAndTheirIndicesAreRewritten) {
  Slideshow& slideshow = lettered("abcdef");
  std::vector<int> indices{0, 1};
  EXPECT_EQ(slideshow.move_photos(indices, 4, /*before=*/true), 4);
  EXPECT_EQ(order(slideshow), "cdabef");
  EXPECT_THAT(indices, ElementsAre(2, 3));

  indices = {5, 0};
  EXPECT_EQ(slideshow.move_photos(indices, 2, /*before=*/false), 1);
  EXPECT_EQ(order(slideshow), "dafcbe");
  EXPECT_THAT(indices, ElementsAre(2, 3));

  indices = {4, 9, 0};  // b moves, then the bad index stops the rest
  EXPECT_EQ(slideshow.move_photos(indices, 0, /*before=*/true), -1);
  EXPECT_EQ(order(slideshow), "bdafce");
  EXPECT_EQ(slideshow.move_photos(indices, 6, true), -1);
  EXPECT_EQ(order(slideshow), "bdafce");
}

TEST_F(SlideshowEditing, SortsAreStableNeighbourPassesAndUpdateStartTimes) {
  Slideshow& slideshow = lettered("dbca");
  slideshow.set_cover(0);                                    // d
  slideshow.photos[3]->setting.effect.display_seconds = 10;  // a
  slideshow.sort_photos(PhotoSortKey::kName, SortDirection::kAscending);
  EXPECT_EQ(order(slideshow), "abcd");
  EXPECT_EQ(slideshow.photos[1]->start.text(), "00:00:10");
  EXPECT_EQ(slideshow.cover_index, 3);
  EXPECT_EQ(slideshow.photos[0]->number, 3);  // numbered before sorting
  slideshow.sort_photos(PhotoSortKey::kName, SortDirection::kDescending);
  EXPECT_EQ(order(slideshow), "dcba");

  const auto base = std::chrono::system_clock::time_point{};
  const int days[] = {2, 1, 2, 0};  // d c b a: c and a earlier, d and b equal
  for (std::size_t i = 0; i < 4; ++i)
    slideshow.photos[i]->created = base + std::chrono::hours(24 * days[i]);
  slideshow.sort_photos(PhotoSortKey::kDate, SortDirection::kAscending);
  EXPECT_EQ(order(slideshow), "acdb");
  slideshow.sort_photos(PhotoSortKey::kDate, SortDirection::kDescending);
  EXPECT_EQ(order(slideshow), "dbca");
}

TEST_F(SlideshowEditing, NamesSortByteByByte) {
  Slideshow& slideshow = lettered("baB");
  slideshow.sort_photos(PhotoSortKey::kName, SortDirection::kAscending);
  EXPECT_EQ(order(slideshow), "Bab");
}

TEST_F(SlideshowEditing, EffectChoicesReachOnlyTheListedPhotos) {
  Slideshow& slideshow = lettered("abc");
  const std::vector<int> last_two{1, 2};
  EXPECT_EQ(slideshow.set_display_seconds(last_two, 61), 0);
  EXPECT_EQ(slideshow.photos[0]->setting.effect.display_seconds, 3);
  EXPECT_EQ(slideshow.photos[2]->setting.effect.display_seconds, 60);
  EXPECT_EQ(slideshow.photos[2]->start.seconds(), 65);  // 3 + 2 + 60
  EXPECT_EQ(slideshow.set_transition_seconds(last_two, -1), 0);
  EXPECT_EQ(slideshow.photos[1]->setting.effect.transition_seconds, 0);

  EXPECT_EQ(slideshow.set_image_effect(last_two, ImageEffectCategory::kPanZoomRotate), 0);
  EXPECT_EQ(slideshow.photos[0]->setting.effect.image_effect, ImageEffect::kNone);
  EXPECT_NE(slideshow.photos[1]->setting.effect.image_effect, ImageEffect::kNone);
  EXPECT_EQ(slideshow.photos[1]->setting.effect.category, ImageEffectCategory::kNone);

  const RandomTransitionParams random;
  EXPECT_EQ(slideshow.set_transition(last_two, random), 0);
  EXPECT_NE(slideshow.photos[1]->setting.effect.transition().type(), TransitionType::kRandom);
  EXPECT_NE(&slideshow.photos[1]->setting.effect.transition(),
            &slideshow.photos[2]->setting.effect.transition());

  const std::vector<int> bad{0, 3};
  const int frames = slideshow.total_frames;
  EXPECT_EQ(slideshow.set_display_seconds(bad, 9), 1);
  EXPECT_EQ(slideshow.set_transition(bad, random), 1);
  EXPECT_EQ(slideshow.photos[0]->setting.effect.display_seconds, 3);
  EXPECT_EQ(slideshow.total_frames, frames);
}

TEST_F(SlideshowEditing, TracksAreRefusedRepeatedOrEmptyAndShownWhenNotMusic) {
  Slideshow& slideshow = lettered("a");
  const auto song = music("song.mp3", 70);
  const auto noise = music("noise.wav", 0);
  EXPECT_EQ(slideshow.add_track(song, project->preferences), 0);
  EXPECT_EQ(slideshow.add_track(song, project->preferences), 1);
  EXPECT_EQ(slideshow.add_track("", project->preferences), 1);
  Preferences without_folder = project->preferences;
  without_folder.working_folder.clear();
  EXPECT_EQ(slideshow.add_track(music("other.mp3", 5), without_folder), 1);
  EXPECT_TRUE(prompt.shown.empty());

  EXPECT_EQ(slideshow.add_track(noise, project->preferences), 0);
  EXPECT_THAT(prompt.shown, ElementsAre(not_music_prompt(noise)));
  EXPECT_EQ(prompt.shown[0].text,
            "The file '" + noise.string() +
                "' is not a music file Pictavo can play, so it will not be added!");
  ASSERT_EQ(slideshow.tracks.size(), 1u);
  EXPECT_EQ(slideshow.tracks[0]->converted_path,
            project->preferences.working_folder / "temp" / "song.mp2");

  slideshow.add_default_track(project->preferences);
  EXPECT_EQ(slideshow.tracks[1]->start.text(), "00:01:10");
  EXPECT_EQ(slideshow.move_track_up(1), 0);
  EXPECT_EQ(slideshow.tracks[1]->start.seconds(), 25);
  EXPECT_EQ(slideshow.move_track_down(1), 0);
  EXPECT_EQ(slideshow.move_track_down(2), 1);
  EXPECT_EQ(slideshow.remove_track(0), 0);
  EXPECT_EQ(slideshow.tracks[0]->start.seconds(), 0);
  EXPECT_EQ(slideshow.remove_track(1), 1);

  slideshow.set_music_output("mp2", "/out");
  EXPECT_EQ(slideshow.music_path, "/out/Letters.mp2");
  EXPECT_EQ(slideshow.tracks[0]->converted_path, "/out/song.mp2");
}

}  // namespace
}  // namespace pictavo
