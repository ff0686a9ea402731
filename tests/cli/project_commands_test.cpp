// pictavo-cli new, info and edit.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "audio/audio_converter_module.h"
#include "support/files.h"
#include "support/run_command.h"
#include "support/scoped_environment.h"
#include "support/temp_program_folder.h"
#include "support/test_modules.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;
using ::testing::ContainsRegex;
using ::testing::HasSubstr;
using ::testing::Not;

class ProjectCommands : public ::testing::Test {
 protected:
  ProjectCommands() {
    home.install("profile");
    home.install_file(test::fake_audio_converter_module(), kAudioConverterModule);
    test::write_file(home.path() / "menu_pic" / "default.mp3", "25");
    for (const char* name : {"b.png", "a.png", "c.png"}) {
      fs::copy_file(test::test_data_folder() / "images" / "valid" / "pattern.png", files / name);
    }
    test::write_file(files / "notes.png", "no picture");
    test::write_file(files / "song.mp3", "200");
  }

  std::string file(const char* name) const { return (files / name).string(); }
  std::string project_file() const { return file("trip.prg"); }

  // Makes the project of two slideshows: Trip (b, a, notes) and Home (c).
  test::CommandResult make_project() {
    return test::run_cli({"new",
                          project_file(),
                          "--slideshow",
                          "Trip",
                          file("b.png"),
                          file("a.png"),
                          file("notes.png"),
                          "--slideshow",
                          "Home",
                          file("c.png"),
                          "--music",
                          file("song.mp3"),
                          "--transition",
                          "wipe",
                          "--effect",
                          "none",
                          "--display",
                          "4",
                          "--tseconds",
                          "1"});
  }

  test::CommandResult edit(std::vector<std::string> args) {
    args.insert(args.begin(), {"edit", project_file()});
    return test::run_cli(args);
  }

  test::TempProgramFolder home;
  test::TempFolder files;
};

TEST_F(ProjectCommands, NewBuildsAndSavesWhatLoadsAndSavesAgainUnchanged) {
  const test::CommandResult made = make_project();
  ASSERT_EQ(made.exit_code, 0) << made.err;
  EXPECT_THAT(made.err, HasSubstr("warning: 1 file could not be added: notes.png (not a picture "
                                  "Pictavo can read)."));
  EXPECT_THAT(made.out, HasSubstr("2 slideshows, 3 photos"));
  EXPECT_THAT(made.out, HasSubstr("Slideshow 1 \"Trip\": 2 photos"));
  EXPECT_THAT(made.out, HasSubstr("start 00:00:00  length 00:03:20  " + file("song.mp3")));
  EXPECT_THAT(made.out, HasSubstr(" 2  start 00:00:04  shown 4 s  transition 1 s Wipe"));
  const std::string text = test::read_file(project_file());
  EXPECT_THAT(text, HasSubstr("<Working Path>" + (home.path() / "Project_1").string()));

  const test::CommandResult edited = edit({"cover", "1"});
  ASSERT_EQ(edited.exit_code, 0) << edited.err;
  EXPECT_EQ(test::read_file(project_file()), text);
  // The edit worked in the project's own working folder; its fresh one is gone.
  EXPECT_FALSE(fs::exists(home.path() / "Project_2"));

  EXPECT_EQ(make_project().exit_code, 1);  // the file exists
  EXPECT_EQ(test::read_file(project_file()), text);
}

TEST_F(ProjectCommands, InfoShowsTheProjectAndChangesNothing) {
  ASSERT_EQ(make_project().exit_code, 0);
  const std::string text = test::read_file(project_file());
  const std::string preferences = test::read_file(home.path() / "referenceFile.xml");
  const test::CommandResult info = test::run_cli({"info", project_file()});
  ASSERT_EQ(info.exit_code, 0) << info.err;
  EXPECT_THAT(info.out, HasSubstr("Project " + project_file() + "\n"));
  EXPECT_THAT(info.out, HasSubstr("2 slideshows, 3 photos, 00:00:13 (388 frames"));
  EXPECT_THAT(info.out, HasSubstr("estimated "));
  EXPECT_THAT(info.out, HasSubstr("Slideshow 2 \"Home\": 1 photo, 00:00:04 (119 frames)"));
  EXPECT_THAT(info.out, HasSubstr("motion none  " + file("c.png")));
  EXPECT_EQ(test::read_file(project_file()), text);
  EXPECT_EQ(test::read_file(home.path() / "referenceFile.xml"), preferences);
  EXPECT_FALSE(fs::exists(home.path() / "Project_2"));

  const test::CommandResult missing = test::run_cli({"info", file("none.prg")});
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_THAT(missing.err, HasSubstr("none.prg cannot be opened: No such file or directory"));
}

TEST_F(ProjectCommands, PhotosOfAMovedFolderStayAndAreRelinked) {
  ASSERT_EQ(make_project().exit_code, 0);
  const std::string text = test::read_file(project_file());
  fs::create_directories(files / "moved" / "photos");
  for (const char* name : {"a.png", "c.png"})
    fs::rename(files / name, files / "moved" / "photos" / name);

  // Looked at, the project keeps them and says so; nothing is lost on a save.
  const test::CommandResult info = test::run_cli({"info", project_file()});
  ASSERT_EQ(info.exit_code, 0) << info.err;
  EXPECT_THAT(info.out + info.err, HasSubstr("2 photos could not be found: " + file("a.png") +
                                             ", " + file("c.png") + ". They stay"));
  ASSERT_EQ(edit({"display", "4"}).exit_code, 0);
  EXPECT_EQ(test::read_file(project_file()), text);

  const test::CommandResult relink = test::run_cli({"relink", project_file(), file("moved")});
  EXPECT_EQ(relink.exit_code, 0) << relink.err;
  EXPECT_THAT(relink.out,
              HasSubstr("relinked " + file("a.png") + " -> " + file("moved/photos/a.png")));
  const std::string relinked = test::read_file(project_file());
  EXPECT_THAT(relinked, HasSubstr(file("moved/photos/c.png")));
  EXPECT_THAT(relinked, Not(HasSubstr(">" + file("a.png") + "<")));
  const test::CommandResult again = test::run_cli({"info", project_file()});
  EXPECT_THAT(again.out + again.err, Not(HasSubstr("could not be found")));
}

TEST_F(ProjectCommands, AFileThatIsNoDocumentGetsOneClearLine) {
  test::write_file(project_file(), "<mivodvd><a></b></mivodvd>");
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"info", project_file()},
                                             {"make", project_file()},
                                             {"edit", project_file(), "sort", "name"}}) {
    const test::CommandResult result = test::run_cli(args);
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.err, "pictavo-cli " + args.front() + ": " + project_file() +
                              " cannot be opened: it is not a Pictavo project file\n");
  }
}

TEST_F(ProjectCommands, AFailingSystemCallEndsTheCommandWithOneLine) {
  ASSERT_EQ(make_project().exit_code, 0);
  // No temporary folder to look at the project in: the file system call throws.
  const test::ScopedEnvironment no_temp("TMPDIR", file("no such folder").c_str());
  const test::CommandResult info = test::run_cli({"info", project_file()});
  EXPECT_EQ(info.exit_code, 1);
  EXPECT_THAT(info.err, ContainsRegex("^pictavo-cli info: [^\n]*temp_directory_path[^\n]*\n$"));
}

TEST_F(ProjectCommands, EditChangesPhotosAndTracksOfTheChosenSlideshow) {
  ASSERT_EQ(make_project().exit_code, 0);
  const std::string default_music = (home.path() / "menu_pic" / "default.mp3").string();
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"add-photos", file("c.png")},         // with the stored defaults: 3 s, 2 s
           {"sort", "name"},                      // a b c
           {"display", "9", "2"},                 // b
           {"transition", "zoom", "3"},           // c
           {"move-photos", "1", "--after", "3"},  // b c a
           {"add-tracks", file("song.mp3"), default_music},
           {"move-track", "2", "up"},                 // default, song
           {"--slideshow", "Home", "tseconds", "0"},  // Home by name
       }) {
    const test::CommandResult result = edit(args);
    ASSERT_EQ(result.exit_code, 0) << args.front() << ": " << result.err;
  }
  const test::CommandResult result = edit({"--slideshow", "2", "effect", "pan"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  const std::string& out = result.out;
  EXPECT_THAT(out,
              ContainsRegex(" 1  start 00:00:00  shown 9 s  transition 1 s Wipe[^\n]*/b.png\n"));
  EXPECT_THAT(out,
              ContainsRegex(" 2  start 00:00:09  shown 3 s  transition 2 s Zoom[^\n]*/c.png\n"));
  EXPECT_THAT(out,
              ContainsRegex(" 3  start 00:00:14  shown 4 s  transition 1 s Wipe[^\n]*/a.png\n"));
  EXPECT_THAT(out, HasSubstr(" 1  start 00:00:00  length 00:00:25  " + default_music + "\n"));
  EXPECT_THAT(out, HasSubstr(" 2  start 00:00:25  length 00:03:20  " + file("song.mp3") + "\n"));
  EXPECT_THAT(out, ContainsRegex("shown 4 s  transition 0 s Wipe[^\n]*motion pan [^\n]*  " +
                                 file("c.png")));

  // Every video plays the first slideshow's music: Home fits to Trip's 25 s + 200 s.
  const test::CommandResult fitted = edit({"--slideshow", "Home", "fit-music"});
  ASSERT_EQ(fitted.exit_code, 0) << fitted.err;
  EXPECT_THAT(fitted.err, HasSubstr("music 00:03:45)"));
}

TEST_F(ProjectCommands, CaptionsAreTypedForPhotosAndChosenForTheSlideshow) {
  ASSERT_EQ(make_project().exit_code, 0);
  ASSERT_EQ(edit({"caption", "Our\nfirst day", "2"}).exit_code, 0);
  const test::CommandResult result = edit({"auto-caption", "name", "--top"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("Captions: automatic name, at the top\n"));
  EXPECT_THAT(result.out, ContainsRegex("/b.png\n       caption: b\n"));
  EXPECT_THAT(result.out, ContainsRegex("/a.png\n       caption: Our first day\n"));
  EXPECT_THAT(
      test::read_file(project_file()),
      HasSubstr("<AutoCaption>name</AutoCaption>\r\n<CaptionPlacement>top</CaptionPlacement>"));

  // An empty caption gives the photo the automatic one back.
  EXPECT_THAT(edit({"caption", "", "2"}).out, ContainsRegex("/a.png\n       caption: a\n"));
  EXPECT_EQ(edit({"auto-caption", "weekday"}).exit_code, 1);
}

TEST_F(ProjectCommands, MistakesChangeNothing) {
  EXPECT_EQ(test::run_cli({"new", project_file()}).exit_code, 1);
  EXPECT_EQ(test::run_cli({"new", project_file(), "--slideshow", "Trip"}).exit_code, 1);
  const test::CommandResult long_display = test::run_cli(
      {"new", project_file(), "--slideshow", "Trip", file("a.png"), "--display", "61"});
  EXPECT_EQ(long_display.exit_code, 1);
  EXPECT_THAT(long_display.err, HasSubstr("--display takes 1 to 60 seconds"));
  const test::CommandResult nothing =
      test::run_cli({"new", project_file(), "--slideshow", "Trip", file("notes.png")});
  EXPECT_EQ(nothing.exit_code, 1);
  EXPECT_FALSE(fs::exists(project_file()));
  EXPECT_FALSE(fs::exists(home.path() / "Project_1"));

  ASSERT_EQ(make_project().exit_code, 0);
  const std::string text = test::read_file(project_file());
  const test::CommandResult beyond = edit({"remove-photos", "3"});
  EXPECT_EQ(beyond.exit_code, 1);
  EXPECT_THAT(beyond.err, HasSubstr("there is no photo 3 (1 to 2)"));
  EXPECT_EQ(edit({"shuffle"}).exit_code, 1);
  EXPECT_EQ(edit({"--slideshow", "Away", "sort", "name"}).exit_code, 1);
  EXPECT_EQ(edit({"move-photos", "1"}).exit_code, 1);
  EXPECT_EQ(test::read_file(project_file()), text);
  // Photos that cannot be added are named, and the project stays as it was.
  const test::CommandResult again = edit({"add-photos", file("a.png"), file("notes.png")});
  EXPECT_EQ(again.exit_code, 0);
  EXPECT_THAT(again.err, HasSubstr("2 files could not be added: a.png (in the slideshow already), "
                                   "notes.png (not a picture Pictavo can read)."));
  EXPECT_EQ(test::read_file(project_file()), text);

  // The last photo of a slideshow takes the slideshow with it.
  const test::CommandResult emptied = edit({"--slideshow", "Home", "remove-photos", "1"});
  ASSERT_EQ(emptied.exit_code, 0);
  EXPECT_THAT(emptied.err, HasSubstr("slideshow \"Home\" has no photos left and is removed"));
  EXPECT_THAT(test::read_file(project_file()), Not(HasSubstr("<name>Home</name>")));
}

}  // namespace
}  // namespace pictavo
