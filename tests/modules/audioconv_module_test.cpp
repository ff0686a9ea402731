#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "audioconv/xtomp2.h"
#include "base/event.h"
#include "modules/loaded_module.h"
#include "modules/media_tools.h"
#include "support/files.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

using test::mp2_seconds;
using test::probe;
using test::probe_number;

class AudioConverterModule : public ::testing::Test {
 protected:
  void SetUp() override {
    home_.install("libxToMp2.so");
    module_.emplace(home_.path() / "libxToMp2.so");
    convert_ = module_->entry<XToMp2Function>("xToMp2");
    length_ = module_->entry<GetFileTimeLengthFunction>("GetFileTimeLength");
    ASSERT_TRUE(convert_ && length_);
  }

  std::filesystem::path tone(const std::string& name, double seconds, int rate, int channels,
                             const std::vector<std::string>& codec_args = {}) {
    const auto path = home_.path() / name;
    EXPECT_TRUE(test::make_tone(path, seconds, rate, channels, codec_args)) << name;
    return path;
  }

  void write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  std::size_t files_in_home() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(home_.path()),
                                                  std::filesystem::directory_iterator()));
  }

  std::string log() const { return test::read_file(home_.path() / "log.txt"); }

  test::TempProgramFolder home_;
  std::optional<test::LoadedModule> module_;
  XToMp2Function convert_ = nullptr;
  GetFileTimeLengthFunction length_ = nullptr;
};

TEST_F(AudioConverterModule, ConvertsEveryFormatToOneMp2Format) {
  struct Input {
    const char* name;
    double seconds;
    int rate;
    int channels;
    std::vector<std::string> codec;
  };
  const std::vector<Input> inputs{
      {"mono.wav", 1.3, 22050, 1, {}},
      {"stereo.mp3", 1.0, 44100, 2, {"-c:a", "libmp3lame", "-b:a", "128k"}},
      {"low.mp2", 0.7, 32000, 1, {}},
      {"track.wma", 1.1, 44100, 2, {}},
      {"lossless.flac", 0.9, 96000, 2, {}},
      {"vorbis.ogg", 1.2, 48000, 2, {"-c:a", "libvorbis"}},
      {"itunes.m4a", 1.0, 44100, 2, {}},
  };
  std::string joined;
  double joined_seconds = 0;
  for (const Input& input : inputs) {
    const auto source = tone(input.name, input.seconds, input.rate, input.channels, input.codec);
    const auto destination = home_.path() / (std::string(input.name) + ".mp2");
    ASSERT_EQ(convert_(source.c_str(), destination.c_str(), nullptr), XTOMP2_OK) << input.name;
    const test::ProbeResult info = probe(destination);
    EXPECT_EQ(info.at("streams.stream.0.codec_name"), "mp2") << input.name;
    EXPECT_EQ(info.at("streams.stream.0.sample_rate"), "48000") << input.name;
    EXPECT_EQ(info.at("streams.stream.0.channels"), "2") << input.name;
    EXPECT_EQ(info.at("streams.stream.0.bit_rate"), "192000") << input.name;
    // Decoders may add a few milliseconds of their own (WMA, AAC priming).
    EXPECT_NEAR(probe_number(info, "format.duration"), mp2_seconds(input.seconds), 0.07)
        << input.name;
    joined += test::read_file(destination);
    joined_seconds += probe_number(info, "format.duration");
  }

  // Converted tracks placed end to end are one stream of their summed length.
  const auto joined_path = home_.path() / "joined.mp2";
  write(joined_path, joined);
  const test::ProbeResult joined_info = probe(joined_path, true);
  EXPECT_EQ(joined_info.at("format.nb_streams"), "1");
  EXPECT_NEAR(probe_number(joined_info, "streams.stream.0.nb_read_frames") * 1152 / 48000,
              joined_seconds, 0.001);
  EXPECT_TRUE(test::run_ffmpeg({"-xerror", "-i", joined_path.string(), "-f", "null", "-"}));
}

TEST_F(AudioConverterModule, RefusesFilesWithoutSoundAndKeepsAnEarlierDestination) {
  const auto destination = home_.path() / "out.mp2";
  write(destination, "earlier");
  const auto text = home_.path() / "letter.mp3";
  write(text, "Dear friend, this is not music.\n");
  const auto noise = home_.path() / "noise.wav";
  write(noise, std::string("RIFF\x10\x00\x00\x00WAVEfmt ", 16) + std::string(300, '\x7f'));
  const auto video = home_.path() / "silent film.mp4";
  ASSERT_TRUE(test::run_ffmpeg(
      {"-f", "lavfi", "-i", "testsrc=size=64x48:duration=0.2", "-c:v", "mpeg4", video.string()}));
  const auto empty = home_.path() / "empty.mp3";
  write(empty, "");
  // A header claiming 1.7 GHz: resampling that would take minutes.
  const auto absurd = tone("absurd.wav", 0.1, 8000, 1);
  std::string header = test::read_file(absurd);
  header.replace(24, 4, std::string("\x40\x1f\x00\x69", 4));
  write(absurd, header);

  for (const auto& source : {text, noise, video, empty, absurd, home_.path() / "missing.mp3"}) {
    EXPECT_EQ(convert_(source.c_str(), destination.c_str(), nullptr), XTOMP2_BAD_INPUT) << source;
    EXPECT_EQ(length_(source.c_str()), 0) << source;
  }
  EXPECT_EQ(test::read_file(destination), "earlier");
  EXPECT_NE(log().find("letter.mp3"), std::string::npos) << log();
  EXPECT_EQ(length_(nullptr), 0);
  EXPECT_EQ(convert_(nullptr, destination.c_str(), nullptr), XTOMP2_BAD_INPUT);
}

TEST_F(AudioConverterModule, ADamagedFileGivesWhatCanBeHeard) {
  const auto source = tone("whole.mp3", 2.0, 44100, 2, {"-c:a", "libmp3lame"});
  std::string bytes = test::read_file(source);
  for (std::size_t i = bytes.size() / 3; i < bytes.size() / 2; i += 97)
    bytes[i] = '\xff';
  bytes.resize(bytes.size() * 3 / 4);
  const auto damaged = home_.path() / "damaged.mp3";
  write(damaged, bytes);
  const auto destination = home_.path() / "damaged.mp2";
  ASSERT_EQ(convert_(damaged.c_str(), destination.c_str(), nullptr), XTOMP2_OK);
  const double seconds = probe_number(probe(destination), "format.duration");
  EXPECT_GT(seconds, 0.8);
  EXPECT_LT(seconds, 1.7);
}

TEST_F(AudioConverterModule, AnUnwritableDestinationFailsAndLeavesNothing) {
  const auto source = tone("a.wav", 0.5, 44100, 2);
  const auto destination = home_.path() / "no folder" / "a.mp2";
  EXPECT_EQ(convert_(source.c_str(), destination.c_str(), nullptr), XTOMP2_BAD_OUTPUT);
  EXPECT_FALSE(std::filesystem::exists(destination.parent_path()));
}

TEST_F(AudioConverterModule, AStopEndsTheConversionWithoutADestination) {
  const auto source = tone("long.wav", 3.0, 44100, 2);
  const auto destination = home_.path() / "long.mp2";
  const std::size_t files_before = files_in_home();

  // The program's auto-reset stop event, tested without waiting.
  Event stop_event;
  XToMp2Stop stop{[](void* event) { return static_cast<Event*>(event)->try_wait() ? 1 : 0; },
                  &stop_event};
  stop_event.set();
  EXPECT_EQ(convert_(source.c_str(), destination.c_str(), &stop), XTOMP2_STOPPED);
  EXPECT_FALSE(stop_event.try_wait());  // the module consumed the request

  // A request that comes in the middle of the work.
  int polls = 0;
  XToMp2Stop later{[](void* count) { return ++*static_cast<int*>(count) > 40 ? 1 : 0; }, &polls};
  EXPECT_EQ(convert_(source.c_str(), destination.c_str(), &later), XTOMP2_STOPPED);
  EXPECT_EQ(polls, 41);
  EXPECT_FALSE(std::filesystem::exists(destination));
  EXPECT_EQ(files_in_home(), files_before);

  // Without a request, or without a function to ask, the work is done.
  XToMp2Stop never{nullptr, nullptr};
  EXPECT_EQ(convert_(source.c_str(), destination.c_str(), &never), XTOMP2_OK);
  EXPECT_EQ(convert_(source.c_str(), destination.c_str(), &stop), XTOMP2_OK);
}

TEST_F(AudioConverterModule, AJoinedConversionNamesTheFileItCannotUseAndHonoursAStop) {
  const auto join = module_->entry<XToMp2JoinedFunction>("xToMp2Joined");
  ASSERT_NE(join, nullptr);
  const auto destination = home_.path() / "joined.mp2";
  write(destination, "earlier");
  const auto good = tone("good.wav", 1.0, 44100, 2);
  const auto letter = home_.path() / "letter.mp3";
  write(letter, "Dear friend, this is not music.\n");
  // A WAV file of 16-bit stereo at 44100 Hz whose data chunk is empty.
  const auto silent = home_.path() / "silent.wav";
  write(silent, std::string("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x02\0\x44\xac\0\0"
                            "\x10\xb1\x02\0\x04\0\x10\0data\0\0\0\0",
                            44));
  for (const auto& bad : {letter, silent}) {
    const char* sources[] = {good.c_str(), bad.c_str(), good.c_str()};
    int failed = -1;
    EXPECT_EQ(join(sources, 3, 2, destination.c_str(), nullptr, &failed), XTOMP2_BAD_INPUT) << bad;
    EXPECT_EQ(failed, 1) << bad;
  }
  int failed = 5;
  EXPECT_EQ(join(nullptr, 0, 1, destination.c_str(), nullptr, &failed), XTOMP2_BAD_INPUT);
  EXPECT_EQ(failed, -1);
  EXPECT_EQ(test::read_file(destination), "earlier");

  // A stop that comes while the second file is being converted.
  const std::size_t files_before = files_in_home();
  const char* sources[] = {good.c_str(), good.c_str()};
  int polls = 0;
  XToMp2Stop later{[](void* count) { return ++*static_cast<int*>(count) > 60 ? 1 : 0; }, &polls};
  EXPECT_EQ(join(sources, 2, 1, destination.c_str(), &later, nullptr), XTOMP2_STOPPED);
  EXPECT_EQ(polls, 61);
  EXPECT_EQ(test::read_file(destination), "earlier");
  EXPECT_EQ(files_in_home(), files_before);
}

TEST_F(AudioConverterModule, MeasuresWholeSeconds) {
  EXPECT_EQ(length_(tone("short.wav", 2.9, 8000, 1).c_str()), 2);
  EXPECT_EQ(length_(tone("flac.flac", 3.2, 44100, 2).c_str()), 3);
  EXPECT_EQ(length_(tone("cbr.mp3", 4.0, 44100, 2, {"-c:a", "libmp3lame"}).c_str()), 4);
  EXPECT_EQ(length_(tone("tiny.wav", 0.4, 44100, 2).c_str()), 0);
}

TEST_F(AudioConverterModule, MeasuresVariableBitrateMp3WithoutASeekHeader) {
  // Two quiet seconds, then six loud ones: the first frames' bitrate says little
  // about the rest, so an estimate from it is far off.
  const auto path = home_.path() / "vbr.mp3";
  ASSERT_TRUE(test::run_ffmpeg(
      {"-f", "lavfi", "-i",
       "aevalsrc=exprs='if(lt(t,2),0,0.5*sin(2*PI*440*t)+0.3*random(0))':s=44100:d=8", "-c:a",
       "libmp3lame", "-q:a", "0", "-write_xing", "0", path.string()}));
  ASSERT_GT(probe_number(probe(path), "format.duration"), 10.0) << "the estimate is no longer off";
  EXPECT_EQ(length_(path.c_str()), 8);
}

// `bytes` with the big-endian 32-bit `value` written at `at`.
std::string with_word(std::string bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[at + i] = static_cast<char>(value >> (24 - 8 * i));
  return bytes;
}

TEST_F(AudioConverterModule, LengthsAHeaderStatesThatTheFileCannotHoldAreCounted) {
  // Twelve seconds at 64 kb/s, with an Info header: flags, frames, bytes.
  const std::string mp3 =
      test::read_file(tone("tone.mp3", 12.0, 22050, 1, {"-c:a", "libmp3lame", "-b:a", "64k"}));
  const std::size_t info = mp3.find("Info");
  ASSERT_NE(info, std::string::npos);
  const auto frames = [&](std::uint32_t count) { return with_word(mp3, info + 8, count); };
  const std::string wav = test::read_file(tone("tone.wav", 12.0, 8000, 1));
  const std::size_t data = wav.find("data");
  ASSERT_NE(data, std::string::npos);
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"as made.mp3", mp3},
      {"millions of frames.mp3", frames(0x7FFFFFFF)},  // 56,097,532 s
      {"frames only.mp3", with_word(frames(100000), info + 4, 1)},
      {"one frame.mp3", frames(1)},
      {"huge data.wav", with_word(wav, data + 4, 0xFFFFFF7F)},
  };
  for (const Case& c : cases) {
    write(home_.path() / c.name, c.bytes);
    EXPECT_EQ(length_((home_.path() / c.name).c_str()), 12) << c.name;
  }
}

TEST_F(AudioConverterModule, TheShippedMusicIsUsable) {
  home_.install("menu_pic");
  const auto music = home_.path() / "menu_pic" / "default.mp3";
  const int seconds = length_(music.c_str());
  EXPECT_GE(seconds, 20);
  EXPECT_LE(seconds, 30);
  const auto converted = home_.path() / "default.mp2";
  EXPECT_EQ(convert_(music.c_str(), converted.c_str(), nullptr), XTOMP2_OK);

  const test::ProbeResult silent = probe(home_.path() / "menu_pic" / "silent.mp2");
  EXPECT_EQ(silent.at("streams.stream.0.codec_name"), "mp2");
  EXPECT_EQ(silent.at("streams.stream.0.sample_rate"), "48000");
  EXPECT_EQ(silent.at("streams.stream.0.channels"), "2");
  EXPECT_EQ(length_((home_.path() / "menu_pic" / "silent.mp2").c_str()), 1);
}

}  // namespace
}  // namespace pictavo
