#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "device/psp_video_title.h"
#include "encoder/zorv_encoder.h"
#include "modules/loaded_module.h"
#include "modules/media_tools.h"
#include "support/files.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

using test::probe;
using test::probe_number;

// What the video maker passes for a profile, after its renames.
struct Profile {
  int width = 320;
  int height = 240;
  std::string video_codec = "h264";
  std::string video_bitrate = "768kb";
  std::string frame_rate = "29.97";
  std::string audio_codec = "libfaac";
  std::string audio_bitrate = "128kb";
  std::string sample_rate = "48000";
  std::string channel = "2";
};

class EncoderModule : public ::testing::Test {
 protected:
  void SetUp() override {
    home_.install("libZorvEncoder.so");
    load();
  }

  void load() {
    module_.emplace(home_.path() / "libZorvEncoder.so");
    init_ = module_->entry<ZorvInitEncoderFunction>("initEncoder");
    encode_ = module_->entry<ZorvEncOneFrameFunction>("EncOneFrame");
    close_ = module_->entry<ZorvCloseEncoderFunction>("closeEncoder");
    ASSERT_TRUE(init_ && encode_ && close_);
  }

  std::filesystem::path music(double seconds, int rate = 48000, int channels = 2) {
    const auto path = home_.path() / ("music" + std::to_string(seconds) + ".mp2");
    EXPECT_TRUE(test::make_tone(path, seconds, rate, channels, {"-b:a", "192k"}));
    return path;
  }

  int init(const Profile& p, const std::filesystem::path& output,
           const std::filesystem::path& audio) {
    profile_ = p;
    const std::string size = std::to_string(p.width) + "x" + std::to_string(p.height);
    const std::string raw = (home_.path() / "menu_pic" / "in.yuv").string();
    return init_(p.width, p.height, output.c_str(), raw.c_str(), audio.c_str(),
                 p.audio_codec.c_str(), p.audio_bitrate.c_str(), p.sample_rate.c_str(),
                 p.channel.c_str(), p.video_codec.c_str(), p.video_bitrate.c_str(), size.c_str(),
                 p.frame_rate.c_str());
  }

  // Sends `count` frames of a moving gradient; the first non-zero result, else 0.
  int encode_frames(int count) {
    const int w = profile_.width;
    const int h = profile_.height;
    std::vector<unsigned char> frame(static_cast<std::size_t>(w) * h * 3 / 2);
    for (int i = 0; i < count; ++i) {
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
          frame[y * w + x] = static_cast<unsigned char>(x + y + 3 * i);
      }
      for (std::size_t c = static_cast<std::size_t>(w) * h; c < frame.size(); ++c) {
        frame[c] = static_cast<unsigned char>(128 + (c % 64) - i % 32);
      }
      if (const int result = encode_(frame.data()); result != 0) return result;
    }
    return 0;
  }

  // Starts, fills and closes one video; true when every call succeeded.
  bool make_video(const Profile& profile, const std::filesystem::path& output,
                  const std::filesystem::path& audio, int frames) {
    const int started = init(profile, output, audio);
    const int encoded = encode_frames(frames);
    const int closed = close_();
    EXPECT_EQ(started, ZORV_OK);
    EXPECT_EQ(encoded, ZORV_OK);
    EXPECT_EQ(closed, ZORV_OK);
    return started == ZORV_OK && encoded == ZORV_OK && closed == ZORV_OK;
  }

  std::string log() const { return test::read_file(home_.path() / "log.txt"); }

  test::TempProgramFolder home_;
  std::optional<test::LoadedModule> module_;
  ZorvInitEncoderFunction init_ = nullptr;
  ZorvEncOneFrameFunction encode_ = nullptr;
  ZorvCloseEncoderFunction close_ = nullptr;
  Profile profile_;
};

void expect_sound_as_long_as_pictures(const test::ProbeResult& info) {
  EXPECT_NEAR(probe_number(info, "streams.stream.1.duration"),
              probe_number(info, "streams.stream.0.duration"), 0.1);
}

TEST_F(EncoderModule, WritesAPspH264VideoWithItsMusic) {
  const auto output = home_.path() / "Summer Holiday.mp4";
  ASSERT_TRUE(make_video(Profile{}, output, music(5.0), 45));

  const test::ProbeResult info = probe(output, true);
  EXPECT_EQ(info.at("format.nb_streams"), "2");
  EXPECT_EQ(info.at("format.tags.major_brand"), "MSNV");
  EXPECT_EQ(info.at("streams.stream.0.codec_type"), "video");
  EXPECT_EQ(info.at("streams.stream.0.codec_name"), "h264");
  EXPECT_EQ(info.at("streams.stream.0.profile"), "Main");
  EXPECT_EQ(info.at("streams.stream.0.level"), "21");
  EXPECT_EQ(info.at("streams.stream.0.width"), "320");
  EXPECT_EQ(info.at("streams.stream.0.height"), "240");
  EXPECT_EQ(info.at("streams.stream.0.r_frame_rate"), "30000/1001");
  EXPECT_EQ(info.at("streams.stream.0.nb_read_frames"), "45");
  EXPECT_EQ(info.at("streams.stream.1.codec_name"), "aac");
  EXPECT_EQ(info.at("streams.stream.1.profile"), "LC");
  EXPECT_EQ(info.at("streams.stream.1.sample_rate"), "48000");
  EXPECT_EQ(info.at("streams.stream.1.channels"), "2");
  // The music is longer than the pictures: it is cut where they end.
  expect_sound_as_long_as_pictures(info);
  EXPECT_NEAR(probe_number(info, "streams.stream.0.duration"), 45 * 1001 / 30000.0, 0.01);

  test::expect_psp_h264(output, 45, 21);

  // Without a title of its own, the PSP lists the video by its file name.
  EXPECT_EQ(psp_video_title(output), "Summer Holiday");
}

TEST_F(EncoderModule, ATitleSetBeforeAStartIsStoredForThatVideoOnly) {
  const auto set_title = module_->entry<ZorvSetEncoderTitleFunction>("setEncoderTitle");
  ASSERT_NE(set_title, nullptr);
  set_title("Trip/Summer \u00e9t\u00e9");
  const auto titled = home_.path() / "Trip_Summer.mp4";
  ASSERT_TRUE(make_video(Profile{}, titled, music(1.0), 5));
  EXPECT_EQ(psp_video_title(titled), "Trip/Summer \u00e9t\u00e9");
  const auto next = home_.path() / "Next.mp4";
  ASSERT_TRUE(make_video(Profile{}, next, music(1.0), 5));
  EXPECT_EQ(psp_video_title(next), "Next");
}

// The sound track of `video` decoded to mono 48 kHz samples.
std::vector<float> decoded_sound(const std::filesystem::path& video) {
  const std::filesystem::path raw = video.string() + ".f32";
  EXPECT_TRUE(test::run_ffmpeg({"-i", video.string(), "-map", "0:a", "-ac", "1", "-ar", "48000",
                                "-f", "f32le", raw.string()}));
  const std::string bytes = test::read_file(raw);
  std::vector<float> samples(bytes.size() / sizeof(float));
  std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(float));
  return samples;
}

// The root mean square of the samples between `from` and `to` seconds.
double loudness(const std::vector<float>& samples, double from, double to) {
  const auto first = static_cast<std::size_t>(from * 48000);
  const auto last = std::min(samples.size(), static_cast<std::size_t>(to * 48000));
  double sum = 0;
  for (std::size_t i = first; i < last; ++i)
    sum += samples[i] * samples[i];
  return last > first ? std::sqrt(sum / static_cast<double>(last - first)) : 0.0;
}

TEST_F(EncoderModule, TheMusicFadesOutOverTheLastSecondsWhenAsked) {
  const auto fade_out = module_->entry<ZorvSetMusicFadeOutFunction>("setMusicFadeOut");
  ASSERT_NE(fade_out, nullptr);
  const auto audio = music(5.0);
  const auto cut = home_.path() / "cut.mp4";
  const auto faded = home_.path() / "faded.mp4";
  ASSERT_TRUE(make_video(Profile{}, cut, audio, 90));
  fade_out(1.0);
  ASSERT_TRUE(make_video(Profile{}, faded, audio, 90));
  fade_out(0);

  const std::vector<float> full = decoded_sound(cut);
  const std::vector<float> soft = decoded_sound(faded);
  const double end = static_cast<double>(soft.size()) / 48000;
  ASSERT_GT(end, 2.9);
  const double level = loudness(full, 1.0, 1.8);
  ASSERT_GT(level, 0.05);
  EXPECT_NEAR(loudness(soft, 1.0, 1.8), level, 0.1 * level);  // untouched before the fade
  EXPECT_NEAR(loudness(soft, end - 0.55, end - 0.45), 0.5 * level, 0.15 * level);
  EXPECT_LT(loudness(soft, end - 0.03, end), 0.1 * level);
  EXPECT_GT(loudness(full, end - 0.03, end), 0.8 * level);  // cut short without it
}

TEST_F(EncoderModule, TheWideScreenSizeIsStillLevelTwoPointOne) {
  Profile wide;
  wide.width = 480;
  wide.height = 272;
  const auto output = home_.path() / "wide.mp4";
  ASSERT_TRUE(make_video(wide, output, music(1.0), 10));
  const test::ProbeResult info = probe(output);
  EXPECT_EQ(info.at("streams.stream.0.width"), "480");
  EXPECT_EQ(info.at("streams.stream.0.level"), "21");
}

TEST_F(EncoderModule, WritesMpeg4SimpleProfileAtPalRateAndPadsShortMusic) {
  Profile mpeg4;
  mpeg4.video_codec = "mpeg4";
  mpeg4.frame_rate = "25";
  mpeg4.sample_rate = "24000";
  mpeg4.channel = "1";
  const auto output = home_.path() / "pal.mp4";
  // Half a second of music under two seconds of pictures.
  ASSERT_TRUE(make_video(mpeg4, output, music(0.5, 44100, 2), 50));

  const test::ProbeResult info = probe(output, true);
  EXPECT_EQ(info.at("format.tags.major_brand"), "MSNV");
  EXPECT_EQ(info.at("streams.stream.0.codec_name"), "mpeg4");
  EXPECT_EQ(info.at("streams.stream.0.profile"), "Simple Profile");
  EXPECT_EQ(info.at("streams.stream.0.level"), "3");
  EXPECT_EQ(info.at("streams.stream.0.has_b_frames"), "0");
  EXPECT_EQ(info.at("streams.stream.0.r_frame_rate"), "25/1");
  EXPECT_EQ(info.at("streams.stream.0.nb_read_frames"), "50");
  EXPECT_EQ(info.at("streams.stream.1.sample_rate"), "24000");
  EXPECT_EQ(info.at("streams.stream.1.channels"), "1");
  expect_sound_as_long_as_pictures(info);
}

TEST_F(EncoderModule, WritesXvidWithMp3Sound) {
  Profile xvid;
  xvid.video_codec = "libxvid";
  xvid.audio_codec = "libmp3lame";
  const auto output = home_.path() / "xvid.mp4";
  ASSERT_TRUE(make_video(xvid, output, music(1.0), 15));
  const test::ProbeResult info = probe(output, true);
  EXPECT_EQ(info.at("streams.stream.0.codec_name"), "mpeg4");
  EXPECT_EQ(info.at("streams.stream.0.nb_read_frames"), "15");
  EXPECT_EQ(info.at("streams.stream.1.codec_name"), "mp3");
  expect_sound_as_long_as_pictures(info);
}

TEST_F(EncoderModule, MissingMusicGivesASilentTrackAndALogLine) {
  const auto output = home_.path() / "quiet.mp4";
  ASSERT_TRUE(make_video(Profile{}, output, home_.path() / "no such music.mp2", 20));
  const test::ProbeResult info = probe(output);
  EXPECT_EQ(info.at("streams.stream.1.codec_name"), "aac");
  expect_sound_as_long_as_pictures(info);
  EXPECT_NE(log().find("no such music.mp2"), std::string::npos) << log();
  EXPECT_NE(log().find("silent sound track"), std::string::npos) << log();
}

TEST_F(EncoderModule, CodecsItCannotServeFailEveryFrameWithALogLine) {
  for (const auto& [video, audio] : std::vector<std::pair<std::string, std::string>>{
           {"h263p", "libfaac"}, {"h264", "libamr_nb"}}) {
    Profile profile;
    profile.video_codec = video;
    profile.audio_codec = audio;
    const auto output = home_.path() / "refused.mp4";
    EXPECT_EQ(init(profile, output, music(1.0)), ZORV_ERROR_SETTINGS);
    EXPECT_EQ(encode_frames(2), ZORV_ERROR_SETTINGS);
    EXPECT_EQ(close_(), ZORV_ERROR_SETTINGS);
    EXPECT_FALSE(std::filesystem::exists(output));
    EXPECT_NE(log().find("unsupported"), std::string::npos) << log();
  }
}

TEST_F(EncoderModule, RefusesSettingsItCannotRead) {
  const auto output = home_.path() / "bad.mp4";
  Profile odd;
  odd.width = 321;
  Profile no_rate;
  no_rate.frame_rate = "fast";
  Profile no_bitrate;
  no_bitrate.video_bitrate = "768 kilobytes";
  for (const Profile& profile : {odd, no_rate, no_bitrate}) {
    EXPECT_EQ(init(profile, output, music(1.0)), ZORV_ERROR_SETTINGS);
    EXPECT_NE(encode_(std::vector<unsigned char>(321 * 240 * 2).data()), ZORV_OK);
    close_();
  }
  EXPECT_FALSE(std::filesystem::exists(output));
}

TEST_F(EncoderModule, AnOutputThatCannotBeCreatedFailsTheFrames) {
  EXPECT_EQ(init(Profile{}, home_.path() / "missing folder" / "a.mp4", music(1.0)),
            ZORV_ERROR_OUTPUT);
  EXPECT_EQ(encode_frames(1), ZORV_ERROR_OUTPUT);
  EXPECT_EQ(close_(), ZORV_ERROR_OUTPUT);
  EXPECT_NE(log().find("cannot create"), std::string::npos) << log();
}

TEST_F(EncoderModule, AWriteFailureOnTheWayIsReportedNotLost) {
  const auto audio = music(3.0);
  const auto output = home_.path() / "full disk.mp4";
  // The file may grow to 16 KB, as on a nearly full disk: the start succeeds and
  // a later write fails, on the encoding thread.
  rlimit old_limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  const rlimit small_limit{16 * 1024, old_limit.rlim_max};
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small_limit), 0);
  const int started = init(Profile{}, output, audio);
  const int encoded = encode_frames(90);
  const int closed = close_();
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);

  EXPECT_EQ(started, ZORV_OK);
  // The failure comes back from a later frame or at the latest from the close.
  EXPECT_TRUE(encoded == ZORV_ERROR_OUTPUT || (encoded == ZORV_OK && closed == ZORV_ERROR_OUTPUT))
      << encoded << " " << closed;
  EXPECT_FALSE(std::filesystem::exists(output));
  EXPECT_NE(log().find(output.string() + " failed: File too large"), std::string::npos) << log();
  // Nor is the unfinished file left under another name.
  for (const auto& entry : std::filesystem::directory_iterator(home_.path()))
    EXPECT_FALSE(entry.path().filename().string().starts_with("full disk")) << entry.path();
}

TEST_F(EncoderModule, TheVideoTakesItsNameOnlyWhenComplete) {
  const auto output = home_.path() / "Trip.mp4";
  test::write_file(output, "an earlier video");
  const auto others = [this, &output] {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(home_.path())) {
      const std::string name = entry.path().filename().string();
      if (name.find(output.filename().string()) != std::string::npos) names.push_back(name);
    }
    return names;
  };
  ASSERT_EQ(init(Profile{}, output, music(1.0)), ZORV_OK);
  ASSERT_EQ(encode_frames(10), ZORV_OK);
  // Midway, the frames go to a temporary file beside it; the old video stands.
  EXPECT_EQ(test::read_file(output), "an earlier video");
  const std::vector<std::string> midway = others();
  ASSERT_EQ(midway.size(), 2u);
  // Closed early, as after a stop: the shorter video is complete under its name.
  ASSERT_EQ(close_(), ZORV_OK);
  EXPECT_EQ(others(), std::vector<std::string>{"Trip.mp4"});
  EXPECT_EQ(probe(output, true).at("streams.stream.0.nb_read_frames"), "10");
}

TEST_F(EncoderModule, CallsWithoutAStartedVideoReportIt) {
  EXPECT_EQ(encode_frames(1), ZORV_ERROR_NOT_STARTED);
  EXPECT_EQ(close_(), ZORV_ERROR_NOT_STARTED);
}

TEST_F(EncoderModule, UnloadingWithoutCloseCompletesTheFileAndAllowsTheNextVideo) {
  const auto first = home_.path() / "first.mp4";
  ASSERT_EQ(init(Profile{}, first, music(2.0)), ZORV_OK);
  ASSERT_EQ(encode_frames(12), ZORV_OK);
  module_->unload();
  EXPECT_EQ(probe(first, true).at("streams.stream.0.nb_read_frames"), "12");

  load();
  const auto second = home_.path() / "second.mp4";
  ASSERT_TRUE(make_video(Profile{}, second, music(2.0), 8));
  EXPECT_EQ(probe(second, true).at("streams.stream.0.nb_read_frames"), "8");
}

TEST_F(EncoderModule, ASecondStartFinishesTheFirstVideo) {
  const auto first = home_.path() / "one.mp4";
  const auto second = home_.path() / "two.mp4";
  ASSERT_EQ(init(Profile{}, first, music(1.0)), ZORV_OK);
  ASSERT_EQ(encode_frames(5), ZORV_OK);
  ASSERT_TRUE(make_video(Profile{}, second, music(1.0), 7));
  EXPECT_EQ(probe(first, true).at("streams.stream.0.nb_read_frames"), "5");
  EXPECT_EQ(probe(second, true).at("streams.stream.0.nb_read_frames"), "7");
}

}  // namespace
}  // namespace pictavo
