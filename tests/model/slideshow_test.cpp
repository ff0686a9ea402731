#include "model/slideshow.h"

#include <gtest/gtest.h>

#include <fstream>

#include "audio/audio_converter_module.h"
#include "support/temp_program_folder.h"
#include "support/test_modules.h"

namespace pictavo {
namespace {

TEST(Slideshow, FormsItsFilesInTheWorkingFoldersTempFolder) {
  const Slideshow trip("Trip", "/w");
  EXPECT_EQ(trip.name(), "Trip");
  EXPECT_EQ(trip.stream_path, "/w/temp/Trip.m2v");
  EXPECT_EQ(trip.music_path, "/w/temp/Trip.mp2");
  EXPECT_EQ(trip.raw_path, "/w/temp/Trip.yuv");
  EXPECT_EQ(trip.video_path, "/w/temp/Trip.mpg");
  EXPECT_EQ(trip.cover_path, "/w/temp/cover_Trip.bmp");
  EXPECT_EQ(trip.total_frames, 0);
  EXPECT_EQ(trip.cover_index, 0);
}

TEST(Slideshow, NamesKeepFifteenCharactersWithoutCuttingOne) {
  EXPECT_EQ(Slideshow::fit_name("Summer holidays 2024"), "Summer holidays");
  // 14 ASCII characters and a two-byte one make 15 characters in 16 bytes.
  EXPECT_EQ(Slideshow::fit_name("Ferien am See \xC3\xA4xyz"), "Ferien am See \xC3\xA4");
  EXPECT_EQ(Slideshow::fit_name("\xE6\x97\x85\xE8\xA1\x8C"), "\xE6\x97\x85\xE8\xA1\x8C");
  const std::string sixteen_emoji = [] {
    std::string text;
    for (int i = 0; i < 16; ++i)
      text += "\xF0\x9F\x8C\x8A";
    return text;
  }();
  EXPECT_EQ(Slideshow::fit_name(sixteen_emoji), sixteen_emoji.substr(0, 60));
  EXPECT_EQ(Slideshow("A very long slideshow name", "/w").name(), "A very long sli");
}

TEST(Slideshow, AnUnsafeNameNeverPointsAFileOutsideItsFolder) {
  const Slideshow show("../../etc/x", "/w");
  EXPECT_EQ(show.name(), "../../etc/x");
  EXPECT_EQ(show.stream_path, "/w/temp/.._.._etc_x.m2v");
  EXPECT_EQ(show.cover_path, "/w/temp/cover_.._.._etc_x.bmp");
}

TEST(Slideshow, SetTempFolderReRootsFilesTracksAndPreparedPhotos) {
  test::TempProgramFolder home;
  Slideshow show("Trip", "/w");
  show.tracks.push_back(
      std::make_unique<AudioTrack>("/music/song.mp3", "song.mp3", "/w/temp/song.mp2", ""));
  show.photos.push_back(std::make_unique<PhotoItem>("/photos/a.jpg", PhotoSetting{}));
  show.photos.push_back(std::make_unique<PhotoItem>("/photos/b.jpg", PhotoSetting{}));
  show.photos[1]->prepared_path = "/w/temp/b.jpg.bmp";

  show.set_temp_folder("/v/tmp");
  EXPECT_EQ(show.stream_path, "/v/tmp/Trip.m2v");
  EXPECT_EQ(show.music_path, "/v/tmp/Trip.mp2");
  EXPECT_EQ(show.raw_path, "/v/tmp/Trip.yuv");
  EXPECT_EQ(show.video_path, "/v/tmp/Trip.mpg");
  EXPECT_EQ(show.cover_path, "/v/tmp/cover_Trip.bmp");
  EXPECT_EQ(show.tracks[0]->converted_path, "/v/tmp/song.mp3.mp2");
  EXPECT_EQ(show.photos[0]->prepared_path, "/photos/a.jpg");
  EXPECT_EQ(show.photos[1]->prepared_path, "/v/tmp/b.jpg.bmp");
}

TEST(Slideshow, CopiesCloneEveryPhotoAndTrack) {
  test::TempProgramFolder home;
  Slideshow show("Trip", "/w");
  show.photos.push_back(std::make_unique<PhotoItem>("/photos/a.jpg", PhotoSetting{}));
  show.tracks.push_back(std::make_unique<AudioTrack>("/m/s.mp3", "s.mp3", "/w/temp/s.mp2", ""));
  show.cover_index = 1;
  Slideshow copy = show;
  ASSERT_EQ(copy.photos.size(), 1u);
  ASSERT_EQ(copy.tracks.size(), 1u);
  EXPECT_NE(copy.photos[0].get(), show.photos[0].get());
  EXPECT_NE(copy.tracks[0].get(), show.tracks[0].get());
  EXPECT_EQ(copy.cover_index, 1);
  copy.photos[0]->prepared_path = "/elsewhere.bmp";
  EXPECT_EQ(show.photos[0]->prepared_path, "/photos/a.jpg");
  show = copy;
  EXPECT_EQ(show.photos[0]->prepared_path, "/elsewhere.bmp");
  EXPECT_NE(show.photos[0].get(), copy.photos[0].get());
}

TEST(AudioTrack, MeasuresItsFileThroughTheConverterModule) {
  test::TempProgramFolder home;
  home.install_file(test::fake_audio_converter_module(), kAudioConverterModule);
  std::ofstream(home.path() / "song.mp3") << "3725";
  const AudioTrack track(home.path() / "song.mp3", "song.mp3", "/w/temp/song.mp2", "");
  EXPECT_EQ(track.source_path(), home.path() / "song.mp3");
  EXPECT_EQ(track.file_name(), "song.mp3");
  EXPECT_EQ(track.converted_path, "/w/temp/song.mp2");
  EXPECT_EQ(track.duration().seconds(), 3725);
  EXPECT_EQ(track.duration().text(), "01:02:05");
  EXPECT_EQ(track.start.seconds(), 0);
  EXPECT_EQ(track.start.text(), "00:00:00");
}

TEST(AudioTrack, AMissingFileGivesWayToTheDefaultMusic) {
  test::TempProgramFolder home;
  home.install_file(test::fake_audio_converter_module(), kAudioConverterModule);
  std::ofstream(home.path() / "default.mp3") << "61";
  const AudioTrack track("/gone/song.mp3", "song.mp3", "/w/temp/song.mp2",
                         home.path() / "default.mp3");
  EXPECT_EQ(track.source_path(), home.path() / "default.mp3");
  EXPECT_EQ(track.file_name(), "song.mp3");
  EXPECT_EQ(track.duration().text(), "00:01:01");
}

TEST(AudioTrack, WithoutTheConverterModuleTheLengthIsOneSecond) {
  test::TempProgramFolder home;
  std::ofstream(home.path() / "song.mp3") << "200";
  const AudioTrack track(home.path() / "song.mp3", "song.mp3", "/w/temp/song.mp2", "");
  EXPECT_EQ(track.duration().seconds(), 1);
}

}  // namespace
}  // namespace pictavo
