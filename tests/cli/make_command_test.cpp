// pictavo-cli make and demo.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "audio/audio_converter_module.h"
#include "modules/media_tools.h"
#include "profiles/profile_group_list.h"
#include "profiles/video_size_table.h"
#include "support/files.h"
#include "support/run_command.h"
#include "support/scoped_environment.h"
#include "support/temp_program_folder.h"
#include "support/test_modules.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;
using test::probe_number;
using ::testing::ContainsRegex;
using ::testing::HasSubstr;
using ::testing::Not;

// Every file of a folder with its bytes.
std::map<std::string, std::string> folder_files(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    files[entry.path().filename().string()] = test::read_file(entry.path());
  return files;
}

// The types of the boxes at the top of an MP4 file, in file order.
std::vector<std::string> top_level_boxes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<std::string> types;
  unsigned char header[8];
  while (in.read(reinterpret_cast<char*>(header), 8)) {
    const std::uint32_t size =
        static_cast<std::uint32_t>(header[0]) << 24 | header[1] << 16 | header[2] << 8 | header[3];
    types.emplace_back(reinterpret_cast<const char*>(header + 4), 4);
    if (size < 8) break;  // 64-bit or to-the-end sizes: no short test video has them
    in.seekg(size - 8, std::ios::cur);
  }
  return types;
}

void expect_thumbnail(const fs::path& thm) {
  const test::ProbeResult info = test::probe(thm);
  EXPECT_EQ(info.at("streams.stream.0.codec_name"), "mjpeg");
  EXPECT_EQ(info.at("streams.stream.0.width"), "160");
  EXPECT_EQ(info.at("streams.stream.0.height"), "120");
}

// A program folder with the real modules and a project of two slideshows: One
// (two photos) and Two (one photo), shown `display` seconds after 1 s cross-fades,
// with 1.5 s of music.
class MakeCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* part : {"libZorvEncoder.so", "libxToMp2.so", "profile", "menu_pic"})
      home_.install(part);
    ASSERT_TRUE(profiles_.load_profiles(home_.path()));
    for (const char* name : {"a.png", "b.png", "c.png"}) {
      fs::copy_file(test::test_data_folder() / "images" / "valid" / "pattern.png", files_ / name);
    }
    ASSERT_TRUE(test::make_tone(files_ / "tone.mp3", 1.5, 44100, 2));
  }

  test::CommandResult new_project(const fs::path& project, int display,
                                  const fs::path& music) const {
    return test::run_cli({"new", project.string(), "--slideshow", "One", path("a.png"),
                          path("b.png"), "--slideshow", "Two", path("c.png"), "--music",
                          music.string(), "--transition", "alpha", "--effect", "none", "--display",
                          std::to_string(display), "--tseconds", "1"});
  }
  void make_project(int display = 1) {
    const test::CommandResult made = new_project(project_, display, files_ / "tone.mp3");
    ASSERT_EQ(made.exit_code, 0) << made.err;
    project_bytes_ = test::read_file(project_);
  }

  std::string path(const char* name) const { return (files_ / name).string(); }
  const OutputProfile& profile(int index) const { return profiles_.groups()[0].profiles[index]; }

  test::CommandResult make(std::vector<std::string> options) const {
    options.insert(options.begin(), {"make", project_.string()});
    return test::run_cli(options);
  }

  test::TempProgramFolder home_;
  test::TempFolder files_;
  ProfileGroupList profiles_;
  fs::path project_ = files_ / "trip.prg";
  fs::path out_ = files_ / "videos";
  std::string project_bytes_;
};

TEST_F(MakeCommand, MakesAVideoAndAThumbnailPerSlideshowAndTheSameFilesAgain) {
  make_project();
  const test::CommandResult made = make({"--out", out_.string(), "--profile", "1"});
  ASSERT_EQ(made.exit_code, 0) << made.err;
  EXPECT_EQ(made.out, (out_ / "One.mp4").string() + "\n" + (out_ / "One.THM").string() + "\n" +
                          (out_ / "Two.mp4").string() + "\n" + (out_ / "Two.THM").string() + "\n");
  EXPECT_THAT(made.err, HasSubstr("One (1/2) ["));
  EXPECT_THAT(made.err,
              ContainsRegex("Two \\(2/2\\) \\[#+\\] 100%  [0-9:]+ elapsed, [0-9:]+ left"));
  // Not a terminal: a line a slideshow and a final one, no carriage returns.
  EXPECT_EQ(std::count(made.err.begin(), made.err.end(), '\r'), 0);
  EXPECT_EQ(std::count(made.err.begin(), made.err.end(), '\n'), 4) << made.err;
  // The first photo's second, then two seconds per further photo, at 29.97 frames.
  test::expect_psp_video(profile(1), out_ / "One.mp4", 89);
  test::expect_psp_video(profile(1), out_ / "Two.mp4", 29);
  expect_thumbnail(out_ / "One.THM");
  expect_thumbnail(out_ / "Two.THM");
  EXPECT_EQ(test::read_file(project_), project_bytes_);

  const std::map<std::string, std::string> first = folder_files(out_);
  ASSERT_EQ(make({"--out", out_.string(), "--profile", "1"}).exit_code, 0);
  EXPECT_TRUE(folder_files(out_) == first);
}

// Each profile for phones, tablets and TVs makes an ordinary MP4 that starts with
// its index (High profile H.264 of its size at 30 frames a second, AAC-LC at 48 kHz
// in stereo) and a JPEG cover of its size beside it, no THM; the PSP's check keeps
// quiet about them.
TEST_F(MakeCommand, HdProfilesMakeOrdinaryMp4sWithTheIndexFirstAndACoverPicture) {
  make_project();
  const int first = static_cast<int>(profiles_.groups().at(0).profiles.size());
  ASSERT_EQ(profiles_.profile_count(), first + 3);
  for (int number = first; number < profiles_.profile_count(); ++number) {
    const OutputProfile& profile = *profiles_.numbered_profile(number);
    SCOPED_TRACE(profile.desc_l);
    const VideoSize* size = find_video_size(profile.value(ProfileParameterId::kVideoSize));
    ASSERT_NE(size, nullptr);
    const test::CommandResult made =
        make({"--out", out_.string(), "--profile", std::to_string(number)});
    ASSERT_EQ(made.exit_code, 0) << made.err;
    EXPECT_THAT(made.err, Not(HasSubstr("PSP")));
    EXPECT_EQ(made.out, (out_ / "One.mp4").string() + "\n" + (out_ / "One.jpg").string() + "\n" +
                            (out_ / "Two.mp4").string() + "\n" + (out_ / "Two.jpg").string() +
                            "\n");
    EXPECT_FALSE(fs::exists(out_ / "One.THM"));

    const test::ProbeResult video = test::probe(out_ / "One.mp4", true);
    EXPECT_EQ(video.at("format.tags.major_brand"), "isom");
    EXPECT_EQ(video.at("streams.stream.0.codec_name"), "h264");
    EXPECT_EQ(video.at("streams.stream.0.profile"), "High");
    EXPECT_EQ(probe_number(video, "streams.stream.0.width"), size->width);
    EXPECT_EQ(probe_number(video, "streams.stream.0.height"), size->height);
    EXPECT_EQ(video.at("streams.stream.0.r_frame_rate"), "30/1");
    // The first photo's second, then two seconds for the second photo.
    EXPECT_EQ(probe_number(video, "streams.stream.0.nb_read_frames"), 90);
    EXPECT_EQ(video.at("streams.stream.1.codec_name"), "aac");
    EXPECT_EQ(video.at("streams.stream.1.profile"), "LC");
    EXPECT_EQ(video.at("streams.stream.1.sample_rate"), "48000");
    EXPECT_EQ(video.at("streams.stream.1.channels"), "2");
    const std::vector<std::string> boxes = top_level_boxes(out_ / "One.mp4");
    const auto moov = std::find(boxes.begin(), boxes.end(), "moov");
    EXPECT_LT(moov - boxes.begin(), std::find(boxes.begin(), boxes.end(), "mdat") - boxes.begin());
    EXPECT_EQ(std::count(boxes.begin(), boxes.end(), "uuid"), 0) << "no PSP boxes";

    const test::ProbeResult cover = test::probe(out_ / "Two.jpg");
    EXPECT_EQ(cover.at("streams.stream.0.codec_name"), "mjpeg");
    EXPECT_EQ(probe_number(cover, "streams.stream.0.width"), size->width);
    EXPECT_EQ(probe_number(cover, "streams.stream.0.height"), size->height);
  }
  // They are not the PSP's: copying one to it is refused, with the reason.
  const test::ScopedEnvironment drives("PICTAVO_DRIVE_ROOTS", "");
  const test::CommandResult copied = test::run_cli({"psp", "copy", (out_ / "One.mp4").string()});
  EXPECT_EQ(copied.exit_code, 1);
  EXPECT_THAT(copied.err, HasSubstr("One.mp4 is an ordinary MP4, not a PSP video"));
}

TEST_F(MakeCommand, WithoutAFolderTheVideosGoToTheProjectsOutputFolder) {
  make_project();
  const test::CommandResult made = make({});
  ASSERT_EQ(made.exit_code, 0) << made.err;
  const fs::path first = made.out.substr(0, made.out.find('\n'));
  EXPECT_EQ(first.filename(), "One.mp4");
  EXPECT_EQ(first.parent_path().filename(), "Output");
  EXPECT_EQ(first.parent_path().parent_path().parent_path(), home_.path());
  test::expect_psp_video(profile(0), first, 89);
  EXPECT_TRUE(fs::exists(first.parent_path() / "Two.THM"));
}

TEST_F(MakeCommand, CtrlCStopsAfterTheFrameInHandAndLeavesAConsistentFolder) {
  make_project(60);
  const test::CommandResult stopped =
      test::run_cli_interrupted({"make", project_.string(), "--out", out_.string()}, "]   1%");
  EXPECT_EQ(stopped.exit_code, 2) << stopped.err;
  EXPECT_THAT(stopped.err, HasSubstr("stopped; what was made so far is in " + out_.string()));
  // The first slideshow's thumbnail and a complete, shorter video; nothing of the second.
  const std::map<std::string, std::string> files = folder_files(out_);
  EXPECT_EQ(files.size(), 2u);
  expect_thumbnail(out_ / "One.THM");
  const test::ProbeResult video = test::probe(out_ / "One.mp4", true);
  EXPECT_GT(probe_number(video, "streams.stream.0.nb_read_frames"), 0);
  EXPECT_LT(probe_number(video, "streams.stream.0.nb_read_frames"), 29 + 29 * 61);
  // No music is left in the working folders.
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(home_.path())) {
    const bool prepared_music =
        entry.path().extension() == ".mp2" && entry.path().parent_path().filename() == "temp";
    EXPECT_FALSE(prepared_music) << entry.path();
  }
  EXPECT_EQ(test::read_file(project_), project_bytes_);
}

TEST_F(MakeCommand, SaysWhyItCannotMakeTheVideosAndLeavesTheProjectAlone) {
  make_project();
  const auto fails_with = [this](const std::vector<std::string>& options,
                                 const std::string& reason) {
    const test::CommandResult result = make(options);
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_THAT(result.err, HasSubstr(reason));
    EXPECT_EQ(test::read_file(project_), project_bytes_);
  };
  const std::string out = out_.string();

  test::write_file(files_ / "a file");
  fails_with({"--out", path("a file") + "/videos"}, "cannot be made or written");
  test::write_file(out_ / "letter.txt", "the user's");
  fails_with({"--out", out}, "holds files that are not this project's videos (letter.txt)");
  EXPECT_EQ(test::read_file(out_ / "letter.txt"), "the user's");
  fails_with({"--out", out, "--profile", "9"}, "there is no output profile 9");

  const test::CommandResult missing = test::run_cli({"make", path("none.prg")});
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_THAT(missing.err, HasSubstr("cannot be opened: No such file or directory"));

  // A track that measures but cannot be converted ends the job before any video.
  home_.install_file(test::fake_audio_converter_module(), kAudioConverterModule);
  test::write_file(files_ / "broken.mp3", "5 fails");
  ASSERT_EQ(new_project(files_ / "broken.prg", 1, files_ / "broken.mp3").exit_code, 0);
  const test::CommandResult broken =
      test::run_cli({"make", path("broken.prg"), "--out", path("other")});
  EXPECT_EQ(broken.exit_code, 1);
  EXPECT_THAT(broken.err,
              HasSubstr("broken.mp3 cannot be converted: the converter failed with code 7"));
  EXPECT_FALSE(fs::exists(files_ / "other" / "One.mp4"));
}

TEST(DemoCommand, MakesTheSameTwoSlideshowsFromTheSamplePhotosEveryTime) {
  const test::TempProgramFolder home;
  for (const char* part :
       {"libZorvEncoder.so", "libxToMp2.so", "profile", "menu_pic", "sample_photos"})
    home.install(part);
  const test::TempFolder files;
  const test::CommandResult made = test::run_cli({"demo", "--out", (files / "a").string()});
  ASSERT_EQ(made.exit_code, 0) << made.err;
  EXPECT_THAT(made.out, HasSubstr((home.path() / "demo.prg").string()));
  EXPECT_THAT(made.out, HasSubstr((files / "a" / "Seaside.THM").string()));

  const test::CommandResult info = test::run_cli({"info", (home.path() / "demo.prg").string()});
  EXPECT_THAT(info.out, HasSubstr("2 slideshows, 12 photos"));
  EXPECT_THAT(info.out, HasSubstr("default.mp3"));
  ProfileGroupList profiles;
  ASSERT_TRUE(profiles.load_profiles(home.path()));
  // Six photos: the first one's 3 s, then 5 s for each further photo, at 29.97 frames.
  for (const char* video : {"Garden.mp4", "Seaside.mp4"})
    test::expect_psp_video(profiles.groups()[0].profiles[0], files / "a" / video, 839);

  ASSERT_EQ(test::run_cli({"demo", "--out", (files / "b").string()}).exit_code, 0);
  EXPECT_TRUE(folder_files(files / "a") == folder_files(files / "b"));
}

}  // namespace
}  // namespace pictavo
