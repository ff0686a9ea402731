#include "audio/music_preparation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "audio/audio_converter_module.h"
#include "audio/audio_reader.h"
#include "audioconv/xtomp2.h"
#include "base/log.h"
#include "modules/media_tools.h"
#include "support/files.h"
#include "support/temp_program_folder.h"
#include "support/test_modules.h"

namespace pictavo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

class MusicPreparation : public ::testing::Test {
 protected:
  void SetUp() override {
    set_log_path(home_.path() / "log.txt");
    std::filesystem::create_directories(temp_);
  }
  void TearDown() override { set_log_path({}); }

  void use_fake_converter() const {
    home_.install_file(test::fake_audio_converter_module(), "libxToMp2.so");
  }

  // A track of the file `name` (made with `bytes`) whose converted copy goes to the
  // temporary folder, as the make-video job sets it up.
  void add_track(const std::string& name, const std::string& bytes) {
    const std::filesystem::path path = home_.path() / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    add_track_of(path);
  }
  void add_track_of(const std::filesystem::path& path) {
    tracks_.push_back({.source_path = path,
                       .converted_path = make_converted_path(path, temp_, "mp2"),
                       .seconds = track_seconds(path)});
  }

  MusicRequest request() {
    return MusicRequest{.tracks = tracks_, .output_path = output_, .stop = &stop_};
  }

  std::vector<std::string> log_lines() const { return test::log_texts(home_.path() / "log.txt"); }

  std::vector<std::string> temp_files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(temp_))
      names.push_back(entry.path().filename().string());
    return names;
  }

  std::string output() const { return test::read_file(output_); }

  test::TempProgramFolder home_;
  std::filesystem::path temp_ = home_.path() / "Project_1" / "temp";
  std::filesystem::path output_ = temp_ / "Trip.mp2";
  std::vector<MusicTrack> tracks_;
  Event stop_;
};

TEST_F(MusicPreparation, ConvertedPathsDropTheFolderAndTheLastExtension) {
  add_track("music/Live.At.Home.mp3", "");
  add_track("music/no extension", "");
  EXPECT_EQ(make_converted_path(tracks_[0].source_path, "/w/temp", "mp2"),
            "/w/temp/Live.At.Home.mp2");
  EXPECT_EQ(make_converted_path(tracks_[1].source_path, "/w/temp", "mp2"),
            "/w/temp/no extension.mp2");
}

TEST_F(MusicPreparation, JoinsTheConvertedTracksInOrderAndRemovesThem) {
  use_fake_converter();
  add_track("a/first.mp3", "100 first|");
  add_track("b/second.wav", "140 second|");
  EXPECT_EQ(prepare_music(request()), 0);
  EXPECT_EQ(output(), "100 first|140 second|");
  EXPECT_THAT(temp_files(), ElementsAre("Trip.mp2"));
  const std::string first = (home_.path() / "a" / "first.mp3").string();
  const std::string second = (home_.path() / "b" / "second.wav").string();
  EXPECT_THAT(log_lines(),
              ElementsAre("Load audio converter module ok", "convering mp3 file " + first,
                          "converted mp3 file resault: 0", "Load audio converter module ok",
                          "convering mp3 file " + second, "converted mp3 file resault: 0",
                          "begin join all mp2 file", "end join all mp2 file"));
}

TEST_F(MusicPreparation, LoopAudioRepeatsTheTracksUntilTheyOutlastTheProject) {
  use_fake_converter();
  add_track("a.mp3", "100 a|");
  add_track("b.mp3", "140 b|");
  MusicRequest looped = request();
  looped.loop_audio = true;
  looped.project_seconds = 600;  // 600 / 240 = 2, plus 1
  EXPECT_EQ(prepare_music(looped), 0);
  EXPECT_EQ(output(), "100 a|140 b|100 a|140 b|100 a|140 b|");

  looped.project_seconds = 239;
  EXPECT_EQ(prepare_music(looped), 0);
  EXPECT_EQ(output(), "100 a|140 b|");

  MusicRequest once = request();
  once.project_seconds = 600;
  EXPECT_EQ(prepare_music(once), 0);
  EXPECT_EQ(output(), "100 a|140 b|");
}

TEST_F(MusicPreparation, TracksWithoutLengthPlayOnceEvenWithLoopAudio) {
  use_fake_converter();
  add_track("a.mp3", "0 a|");
  add_track("b.mp3", "0 b|");
  MusicRequest looped = request();
  looped.loop_audio = true;
  looped.project_seconds = 600;
  EXPECT_EQ(prepare_music(looped), 0);
  EXPECT_EQ(output(), "0 a|0 b|");
}

TEST_F(MusicPreparation, TracksWhoseConvertedPathsClashKeepTheirOwnFiles) {
  use_fake_converter();
  add_track("a/song.mp3", "1 first song|");
  add_track("b/song.wav", "2 second song|");
  add_track("c/Trip.mp3", "3 named like the slideshow|");
  add_track("d/song.mp3", "4 third song|");
  add_track("Project_1/temp/kept.mp2", "5 kept where its copy would go|");
  std::ofstream(temp_ / "song (3).mp2") << "someone else's";
  ASSERT_EQ(tracks_[0].converted_path, tracks_[1].converted_path);
  ASSERT_EQ(tracks_[2].converted_path, output_);
  ASSERT_EQ(tracks_[4].converted_path, tracks_[4].source_path);

  EXPECT_EQ(prepare_music(request()), 0);
  EXPECT_EQ(output(),
            "1 first song|2 second song|3 named like the slideshow|4 third song|"
            "5 kept where its copy would go|");
  EXPECT_THAT(temp_files(), testing::UnorderedElementsAre("Trip.mp2", "song (3).mp2", "kept.mp2"));
  EXPECT_EQ(test::read_file(temp_ / "song (3).mp2"), "someone else's");
  EXPECT_EQ(test::read_file(temp_ / "kept.mp2"), "5 kept where its copy would go|");
}

TEST_F(MusicPreparation, ATrackThatIsTheOutputFileItselfIsRefusedAndKept) {
  use_fake_converter();
  add_track("Project_1/temp/Trip.mp2", "5 the user's own|");
  std::string failure;
  EXPECT_EQ(prepare_music(request(), &failure), 1);
  EXPECT_THAT(failure, HasSubstr("Trip.mp2 is where the joined music is to be written"));
  EXPECT_EQ(output(), "5 the user's own|");
}

TEST_F(MusicPreparation, AMissingConverterFailsBeforeAnyConversion) {
  add_track("a.mp3", "1 a|");
  std::string failure;
  EXPECT_EQ(prepare_music(request(), &failure), 1);
  EXPECT_THAT(failure, HasSubstr("cannot load the audio converter module"));
  EXPECT_FALSE(std::filesystem::exists(output_));
  EXPECT_THAT(log_lines(), ElementsAre("Load audio converter module error"));
}

TEST_F(MusicPreparation, AConverterWithoutItsEntryLeavesNothingToJoin) {
  home_.install_file(test::module_without_entries(), "libxToMp2.so");
  add_track("a.mp3", "1 a|");
  add_track("b.mp3", "1 b|");
  EXPECT_EQ(prepare_music(request()), 1);
  EXPECT_FALSE(std::filesystem::exists(output_));
  EXPECT_THAT(log_lines(),
              ElementsAre("Load audio converter module ok", "Load audio converter module ok",
                          "begin join all mp2 file"));
}

TEST_F(MusicPreparation, TheConvertersFailureCodeEndsThePreparation) {
  use_fake_converter();
  add_track("a.mp3", "1 a|");
  add_track("b.mp3", "1 fails|");
  add_track("c.mp3", "1 c|");
  std::string failure;
  EXPECT_EQ(prepare_music(request(), &failure), 7);
  EXPECT_THAT(failure, HasSubstr("b.mp3 cannot be converted: the converter failed with code 7"));
  EXPECT_FALSE(std::filesystem::exists(output_));
  EXPECT_THAT(temp_files(), IsEmpty());
  const std::vector<std::string> lines = log_lines();
  EXPECT_EQ(lines.back(), "converted mp3 file resault: 7");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Load audio converter module ok"), 2);
}

TEST_F(MusicPreparation, AnUnwritableOutputFails) {
  use_fake_converter();
  add_track("a.mp3", "1 a|");
  output_ = home_.path() / "no such folder" / "Trip.mp2";
  std::string failure;
  EXPECT_EQ(prepare_music(request(), &failure), 1);
  EXPECT_THAT(failure, HasSubstr("Trip.mp2 cannot be created"));
  EXPECT_THAT(log_lines(), Not(testing::Contains("end join all mp2 file")));
  EXPECT_THAT(temp_files(), IsEmpty());
}

TEST_F(MusicPreparation, AStopAfterAConversionEndsBeforeTheNextTrack) {
  use_fake_converter();  // converts without looking at the stop request
  add_track("a.mp3", "1 a|");
  add_track("b.mp3", "1 b|");
  add_track("c.mp3", "1 c|");
  stop_.set();
  EXPECT_EQ(prepare_music(request()), 2);
  EXPECT_FALSE(std::filesystem::exists(output_));
  EXPECT_THAT(temp_files(), IsEmpty());
  const std::vector<std::string> lines = log_lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "converted mp3 file resault: 0"), 1);
  EXPECT_EQ(lines.back(), "converted mp3 file resault: 0");
}

TEST_F(MusicPreparation, AStopWhileTheJoinCopiesATrackEndsWithoutAnOutput) {
  use_fake_converter();
  add_track("a.mp3", "1 pipe|");  // its converted file is a pipe this test fills
  add_track("b.mp3", "1 b|");
  const std::filesystem::path pipe = tracks_[0].converted_path;
  std::thread writer([&] {
    while (!std::filesystem::is_fifo(pipe))
      std::this_thread::yield();
    std::ofstream sound(pipe);  // opens once the join reads the pipe
    sound << "sound" << std::flush;
    stop_.set();  // before the join sees the end of the track
  });
  const int result = prepare_music(request());
  writer.join();
  EXPECT_EQ(result, 2);
  EXPECT_FALSE(std::filesystem::exists(output_));
  EXPECT_THAT(temp_files(), IsEmpty());
  EXPECT_EQ(log_lines().back(), "begin join all mp2 file");
}

// With the real converter module: the files a user adds.
class RealMusicPreparation : public MusicPreparation {
 protected:
  void SetUp() override {
    MusicPreparation::SetUp();
    home_.install("libxToMp2.so");
  }

  void add_tone(const std::string& name, double seconds, int rate, int channels,
                const std::vector<std::string>& codec = {}) {
    const auto path = home_.path() / name;
    ASSERT_TRUE(test::make_tone(path, seconds, rate, channels, codec)) << name;
    add_track_of(path);
  }
};

TEST_F(RealMusicPreparation, TracksOfAnyRateJoinIntoOneContinuousStream) {
  add_tone("stereo.mp3", 1.5, 44100, 2, {"-c:a", "libmp3lame"});
  add_tone("mono.wav", 2.2, 22050, 1);
  add_tone("low.mp2", 1.0, 32000, 1);
  add_tone("track.wma", 1.2, 16000, 2);
  std::vector<int> measured;
  for (const auto& track : tracks_)
    measured.push_back(track.seconds);
  ASSERT_THAT(measured, ElementsAre(1, 2, 1, 1));

  MusicRequest looped = request();
  looped.loop_audio = true;
  looped.project_seconds = 9;  // 9 / 5 = 1, plus 1: two passes
  ASSERT_EQ(prepare_music(looped), 0);
  EXPECT_THAT(temp_files(), ElementsAre("Trip.mp2"));

  const test::ProbeResult joined = test::probe(output_, true);
  EXPECT_EQ(joined.at("format.nb_streams"), "1");
  EXPECT_EQ(joined.at("streams.stream.0.codec_name"), "mp2");
  EXPECT_EQ(joined.at("streams.stream.0.sample_rate"), "48000");
  EXPECT_EQ(joined.at("streams.stream.0.channels"), "2");
  // One stream, its last frame filled up; decoders may add a few milliseconds of
  // their own (MP3 and WMA priming).
  EXPECT_NEAR(test::probe_number(joined, "streams.stream.0.nb_read_frames") * 1152 / 48000,
              test::mp2_seconds(2 * (1.5 + 2.2 + 1.0 + 1.2)), 0.2);
  EXPECT_TRUE(test::run_ffmpeg({"-xerror", "-i", output_.string(), "-f", "null", "-"}));
}

// The longest run of samples of either channel that stay near silence, in the
// decoded `path` (48000 Hz stereo) from `margin` samples after its start to as
// many before its end; and the count of samples decoded.
struct QuietRun {
  std::int64_t longest = 0;
  std::int64_t samples = 0;
};
QuietRun longest_quiet_run(const std::filesystem::path& path, std::int64_t margin) {
  AudioReader reader;
  EXPECT_TRUE(reader.open(path.c_str(), AudioFormat{AV_SAMPLE_FMT_S16, 48000, 2}));
  std::vector<std::int16_t> samples;
  std::array<std::int16_t, 2 * 1152> block;
  for (int got = 1; got > 0;) {
    auto* planes = reinterpret_cast<std::uint8_t*>(block.data());
    got = reader.read(&planes, 1152);
    samples.insert(samples.end(), block.begin(), block.begin() + std::max(got, 0) * 2);
  }
  QuietRun result{0, static_cast<std::int64_t>(samples.size() / 2)};
  std::int64_t run = 0;
  for (std::int64_t i = margin; i < result.samples - margin; ++i) {
    const bool quiet = std::abs(samples[static_cast<std::size_t>(2 * i)]) < 100 ||
                       std::abs(samples[static_cast<std::size_t>(2 * i + 1)]) < 100;
    run = quiet ? run + 1 : 0;
    result.longest = std::max(result.longest, run);
  }
  return result;
}

TEST_F(RealMusicPreparation, JoinedTracksAndTheirRepetitionFollowEachOtherWithoutSilence) {
  // Lengths that leave most of a last frame to fill, at rates that need resampling.
  add_tone("first.wav", 1.01, 44100, 1);
  add_tone("second.wav", 0.7, 32000, 2);
  MusicRequest looped = request();
  looped.loop_audio = true;
  looped.project_seconds = 1;  // the tracks measure 1 + 0 seconds: two passes
  ASSERT_EQ(prepare_music(looped), 0);

  // A tone of 440 Hz passes near zero for a sample at a time; a join of separately
  // converted tracks stays silent for up to a frame (24 ms) and the encoder's delay.
  const QuietRun quiet = longest_quiet_run(output_, 2400);
  EXPECT_LE(quiet.longest, 48);  // 1 ms
  const std::int64_t music = std::llround(2 * (1.01 + 0.7) * 48000);
  EXPECT_GE(quiet.samples, music - 1152);
  EXPECT_LT(quiet.samples, music + 1152);
  EXPECT_THAT(temp_files(), ElementsAre("Trip.mp2"));
  EXPECT_THAT(log_lines(), ElementsAre("Load audio converter module ok", "begin join all mp2 file",
                                       "convering mp3 file " + tracks_[0].source_path.string(),
                                       "convering mp3 file " + tracks_[1].source_path.string(),
                                       "converted mp3 file resault: 0", "end join all mp2 file"));
}

TEST_F(RealMusicPreparation, FilesThatAreNoMusicAreRefused) {
  std::ofstream(home_.path() / "letter.mp3") << "Dear friend, this is not music.\n";
  std::ofstream(home_.path() / "broken.wav", std::ios::binary)
      << std::string("RIFF\x10\x00\x00\x00WAVEfmt ", 16) << std::string(300, '\x7f');
  for (const char* name : {"letter.mp3", "broken.wav"}) {
    tracks_.clear();
    add_track_of(home_.path() / name);
    // What adding the file as a track refuses...
    EXPECT_EQ(tracks_[0].seconds, 0) << name;
    // ...the converter refuses as well.
    EXPECT_EQ(prepare_music(request()), XTOMP2_BAD_INPUT) << name;
    EXPECT_FALSE(std::filesystem::exists(output_)) << name;
  }
  EXPECT_THAT(log_lines(), testing::Contains("converted mp3 file resault: 3"));
}

TEST_F(RealMusicPreparation, AStopDuringTheFirstConversionReturnsRightAfterIt) {
  add_tone("a.wav", 1.0, 44100, 2);
  add_tone("b.wav", 1.0, 44100, 2);
  add_tone("c.wav", 1.0, 44100, 2);
  stop_.set();  // the converter sees it at its first look
  EXPECT_EQ(prepare_music(request()), 2);
  EXPECT_FALSE(std::filesystem::exists(output_));
  EXPECT_THAT(temp_files(), IsEmpty());
  const std::vector<std::string> lines = log_lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "Load audio converter module ok"), 1);
  EXPECT_EQ(lines.back(), "converted mp3 file resault: 2");
}

}  // namespace
}  // namespace pictavo
