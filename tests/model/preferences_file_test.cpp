#include "model/preferences_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "base/log.h"
#include "model/project.h"
#include "model/project_start.h"
#include "support/files.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

using Values = std::vector<std::pair<std::string, std::string>>;

// The start of the preferences file that the first start in `app` writes, up to
// "DefaultImage", with the values that `changes` names replaced.
std::string first_start_values(const std::string& app, const Values& changes = {}) {
  Values values{
      {"VERSION", "3.0.6"},
      {"RunTimes", "0"},
      {"AppPath", app},
      {"workingPath", app + "/Project_1"},
      {"outputPath", app + "/Project_1/Output"},
      {"isNtsc", "0"},
      {"AspectRatio", "0"},
      {"transmitTime", "2"},
      {"singleTime", "3"},
      {"FDSearchPath", app},
      {"IsUseNation", "0"},
      {"NationName", "U.S.A"},
      {"NationTVFormat", "0"},
      {"TVFormat", "0"},
      {"LoopAudio", "1"},
      {"RandomImageEffect", "0"},
      {"RandomTransition", "1"},
      {"DefaultImage", app + "/res/defaultImage.bmp"},
  };
  std::string text = "<reference>\r\n";
  for (auto& [key, value] : values) {
    for (const auto& [changed_key, changed_value] : changes) {
      if (changed_key == key) value = changed_value;
    }
    text += "<" + key + ">" + value + "</" + key + ">\r\n";
  }
  return text;
}

class PreferencesStart : public ::testing::Test {
 protected:
  PreferencesStart() { home_.install("profile"); }
  ~PreferencesStart() override { set_log_path({}); }

  std::filesystem::path folder() const { return home_.path(); }
  std::filesystem::path file() const { return home_.path() / "referenceFile.xml"; }
  std::string file_text() const { return test::read_file(file()); }

  // A file as the first start in `app` writes it, with `run_times` and the values
  // that `changes` names, and the default templates.
  static std::string file_for(const std::string& app, int run_times, Values changes = {}) {
    changes.emplace_back("RunTimes", std::to_string(run_times));
    return first_start_values(app, changes) + default_templates() + "</reference>\r\n";
  }

  // The EFFECT_SETS element that a project with default templates writes.
  static std::string default_templates() {
    const std::string text = written_by_first_start();
    const std::string end = "</EFFECT_SETS>\r\n";
    const std::size_t begin = text.find("<EFFECT_SETS>");
    return text.substr(begin, text.find(end) + end.size() - begin);
  }

  static std::string written_by_first_start() {
    test::TempFolder other;
    Project project(other.path());
    start_project(project);
    return test::read_file(other / "referenceFile.xml");
  }

  test::TempProgramFolder home_;
};

TEST_F(PreferencesStart, FirstStartWritesEveryValueInOrderWithTheTemplates) {
  Project project(folder());
  start_project(project);
  const std::string app = folder().string();
  const std::string expected_values = first_start_values(app);
  const std::string text = file_text();
  EXPECT_THAT(text, StartsWith(expected_values + "<EFFECT_SETS>\r\n"));
  EXPECT_THAT(text, HasSubstr("<TRANSITION_EFFECT_SETTING NAME=\"TRANSITION_EFFECT_RANDOM\"/>"));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r'));
  // Settings newer than the file's layout follow the templates.
  EXPECT_THAT(text, EndsWith("</EFFECT_SETS>\r\n<BlurredBackground>0</BlurredBackground>\r\n"
                             "<MusicFadeOut>0</MusicFadeOut>\r\n</reference>\r\n"));

  EXPECT_EQ(project.preferences.start_count, 0);
  EXPECT_EQ(project.preferences.working_folder, folder() / "Project_1");
  EXPECT_TRUE(std::filesystem::is_directory(folder() / "Project_1" / "temp"));
  EXPECT_EQ(project.default_setting.temp_folder, folder() / "Project_1" / "temp");
  EXPECT_EQ(project.default_setting.output_folder, folder() / "Project_1" / "Output");
  EXPECT_EQ(project.preferences.project_path, folder() / "project0.prg");
  EXPECT_FALSE(project.profiles.groups().empty());
  EXPECT_FALSE(project.modified);
  // Random transitions are on: the default setting hands out Random.
  EXPECT_EQ(project.default_setting.effect.transition().type(), TransitionType::kRandom);

  // One line: "09:05:03, Dec 08, 2026: Software start!" and a line feed.
  const std::string log = test::read_file(folder() / "log.txt");
  int hour = 0, minute = 0, second = 0, day = 0, year = 0;
  char month[4] = {};
  EXPECT_EQ(std::sscanf(log.c_str(), "%2d:%2d:%2d, %3s %2d, %4d: ", &hour, &minute, &second, month,
                        &day, &year),
            6)
      << log;
  EXPECT_EQ(log.size(), std::string("09:05:03, Dec 08, 2026: Software start!\n").size());
  EXPECT_THAT(log, EndsWith(": Software start!\n"));
}

TEST_F(PreferencesStart, SecondStartReadsTheFileAndCountsTheStart) {
  {
    Project first(folder());
    start_project(first);
  }
  Project second(folder());
  start_project(second);
  EXPECT_EQ(second.preferences.start_count, 1);
  EXPECT_THAT(file_text(), HasSubstr("<RunTimes>1</RunTimes>\r\n"));
  // The first start's working folder still exists, so the second takes the next.
  EXPECT_EQ(second.preferences.working_folder, folder() / "Project_2");
  EXPECT_THAT(file_text(), HasSubstr("<workingPath>" + folder().string() + "/Project_2<"));

  Project third(folder());
  start_project(third);
  EXPECT_THAT(file_text(), HasSubstr("<RunTimes>2</RunTimes>\r\n"));
}

TEST_F(PreferencesStart, StoredValuesAndTemplatesAreTakenOver) {
  std::string stored = file_for(folder().string(), 4,
                                {{"AspectRatio", "1"},
                                 {"transmitTime", "5"},
                                 {"singleTime", "9"},
                                 {"FDSearchPath", "/photos/holiday &amp; more"},
                                 {"IsUseNation", "7"},
                                 {"NationName", "Japan"},
                                 {"NationTVFormat", "0"},
                                 {"TVFormat", "1"},
                                 {"LoopAudio", "0"},
                                 {"RandomImageEffect", "1"},
                                 {"RandomTransition", "0"},
                                 {"DefaultImage", "/pictures/placeholder.bmp"}});
  // The stored templates begin with Blinds instead of Random.
  const std::string random = "<TRANSITION_EFFECT_SETTING NAME=\"TRANSITION_EFFECT_RANDOM\"/>";
  const std::size_t at = stored.find(random);
  stored.replace(
      at, random.size(),
      "<TRANSITION_EFFECT_SETTING NAME=\"TRANSITION_EFFECT_BLIND\">\r\n"
      "<TRANSITION_EFFECT_BLIND_PARAM>\r\n"
      "<TRANSITION_EFFECT_BLIND_PARAM_DIRECTION>1"
      "</TRANSITION_EFFECT_BLIND_PARAM_DIRECTION>\r\n"
      "<TRANSITION_EFFECT_BLIND_WINDOW_NUMBER>5</TRANSITION_EFFECT_BLIND_WINDOW_NUMBER>\r\n"
      "</TRANSITION_EFFECT_BLIND_PARAM>\r\n"
      "</TRANSITION_EFFECT_SETTING>");
  test::write_file(file(), stored);

  Project project(folder());
  project.preferences.set_program_folder(folder());
  EXPECT_EQ(load_preferences(project), 0);
  const Preferences& preferences = project.preferences;
  EXPECT_EQ(preferences.start_count, 5);
  EXPECT_EQ(preferences.aspect_ratio, 1);
  EXPECT_EQ(project.default_setting.effect.transition_seconds, 5);
  EXPECT_EQ(project.default_setting.effect.display_seconds, 9);
  EXPECT_EQ(preferences.fd_search_path, "/photos/holiday & more");
  EXPECT_TRUE(preferences.use_nation);
  EXPECT_EQ(preferences.nation_name, "Japan");
  EXPECT_EQ(preferences.tv_format, 1);
  EXPECT_FALSE(preferences.loop_audio);
  EXPECT_TRUE(preferences.random_image_effect);
  EXPECT_FALSE(preferences.random_transition);
  EXPECT_EQ(preferences.default_image, "/pictures/placeholder.bmp");
  ASSERT_NE(project.effect_set.template_at(0), nullptr);
  EXPECT_EQ(project.effect_set.template_at(0)->type(), TransitionType::kBlinds);
  EXPECT_EQ(project.effect_set.template_at(0)->p2(), 5);
  // The random preferences now decide the default setting.
  EXPECT_EQ(project.default_setting.effect.category, ImageEffectCategory::kPanZoomRotate);
  EXPECT_EQ(project.default_setting.effect.transition().type(), TransitionType::kAlpha);

  // Written back as read, the start counted, "&" escaped.
  const std::string text = file_text();
  EXPECT_THAT(text, HasSubstr("<RunTimes>5</RunTimes>"));
  EXPECT_THAT(text, HasSubstr("<FDSearchPath>/photos/holiday &amp; more</FDSearchPath>"));
  EXPECT_THAT(text, HasSubstr("<IsUseNation>1</IsUseNation>"));
  EXPECT_THAT(text, HasSubstr("<EFFECT_SETS>\r\n<TRANSITION_EFFECT_SETTING NAME=\"TRANSITION_"
                              "EFFECT_BLIND\">"));
}

TEST_F(PreferencesStart, LaterSettingsAreReadAfterTheTemplatesAndMayBeMissing) {
  for (const bool stored : {false, true}) {
    std::string text = file_for(folder().string(), 1);
    if (stored) {
      text.insert(text.find("</reference>"),
                  "<BlurredBackground>1</BlurredBackground>\r\n<MusicFadeOut>1</MusicFadeOut>\r\n");
    }
    test::write_file(file(), text);
    Project project(folder());
    project.preferences.set_program_folder(folder());
    EXPECT_EQ(load_preferences(project), 0);
    EXPECT_EQ(project.preferences.blurred_background, stored);
    EXPECT_EQ(project.preferences.music_fade_out_seconds, stored ? 3 : 0);
    EXPECT_THAT(file_text(), HasSubstr(stored ? "<BlurredBackground>1" : "<BlurredBackground>0"));
  }
}

TEST_F(PreferencesStart, ValuesOutOfRangeAreWrittenBackAsTheyAreUsed) {
  struct Case {
    const char* key;
    const char* stored;
    int used;
    int (*of)(const Project&);
  };
  const auto tv_system = [](const Project& p) { return p.default_setting.tv_system; };
  const auto ratio = [](const Project& p) { return p.preferences.aspect_ratio; };
  const auto nation = [](const Project& p) { return p.preferences.nation_tv_format; };
  const auto transition = [](const Project& p) {
    return p.default_setting.effect.transition_seconds;
  };
  const auto display = [](const Project& p) { return p.default_setting.effect.display_seconds; };
  const Case cases[] = {
      {"isNtsc", "-1", 1, tv_system},
      {"isNtsc", "0", 0, tv_system},
      {"AspectRatio", "2147483647", 1, ratio},
      {"NationTVFormat", "-1", 1, nation},
      {"transmitTime", "-1", 0, transition},
      {"transmitTime", "2147483647", 10, transition},
      {"singleTime", "-1", 1, display},
      {"singleTime", "0", 1, display},
      {"singleTime", "2147483647", 60, display},
      {"singleTime", "99999999999", 60, display},
  };
  for (const Case& c : cases) {
    test::write_file(file(), file_for(folder().string(), 0, {{c.key, c.stored}}));
    Project project(folder());
    project.preferences.set_program_folder(folder());
    EXPECT_EQ(load_preferences(project), 0);
    const std::string key = c.key;
    EXPECT_EQ(c.of(project), c.used) << key << " " << c.stored;
    EXPECT_THAT(file_text(), HasSubstr("<" + key + ">" + std::to_string(c.used) + "</" + key + ">"))
        << c.stored;
  }
}

TEST_F(PreferencesStart, TheTvSystemFollowsTheCurrentProfile) {
  test::write_file(file(), file_for(folder().string(), 0, {{"isNtsc", "1"}}));
  Project ntsc(folder());
  start_project(ntsc);
  EXPECT_EQ(ntsc.default_setting.tv_system, 0);

  const auto profile = folder() / "profile" / "avoutput" / "psp" / "psp_mpeg4_320x240.xml";
  std::string text = test::read_file(profile);
  text.replace(text.find("<framerate value=\"29.97\""), 24, "<framerate value=\"25\"");
  test::write_file(profile, text);
  Project pal(folder());
  start_project(pal);
  EXPECT_EQ(pal.default_setting.tv_system, 1);
  choose_output_profile(pal, 5);  // 720p at 30 frames a second
  EXPECT_EQ(pal.default_setting.tv_system, 0);
}

TEST_F(PreferencesStart, TheProfilesThatCanBeReadServeAndTheRestIsAWarningInTheLog) {
  const auto group_file = folder() / "profile" / "avoutput" / "profile_group.xml";
  std::string text = test::read_file(group_file);
  text.replace(text.find("count=\"2\""), 9, "count=\"3\"");
  test::write_file(group_file, text);
  Project project(folder());
  start_project(project);
  ASSERT_EQ(project.profiles.groups().size(), 2u);
  EXPECT_NE(project.profiles.current_profile(), nullptr);
  EXPECT_THAT(test::log_texts(folder() / "log.txt"),
              testing::Contains("warning: " + group_file.string() +
                                " announces 3 profile groups but holds 2"));
}

TEST_F(PreferencesStart, AMovedProgramFolderKeepsTheCountAndRewritesTheRest) {
  test::write_file(file(),
                   file_for("/old/place", 6, {{"AspectRatio", "1"}, {"NationName", "Japan"}}));
  Project project(folder());
  start_project(project);
  EXPECT_EQ(project.preferences.start_count, 7);
  EXPECT_EQ(project.preferences.aspect_ratio, 0);
  EXPECT_EQ(project.preferences.nation_name, "U.S.A");
  const std::string text = file_text();
  EXPECT_THAT(text, HasSubstr("<RunTimes>7</RunTimes>"));
  EXPECT_THAT(text, HasSubstr("<AppPath>" + folder().string() + "</AppPath>"));
  EXPECT_THAT(text, HasSubstr("<AspectRatio>0</AspectRatio>"));
  EXPECT_THAT(text, HasSubstr("<NationName>U.S.A</NationName>"));
}

TEST_F(PreferencesStart, AnotherVersionIsReplacedByAFreshFile) {
  test::write_file(file(),
                   file_for(folder().string(), 6, {{"VERSION", "3.0.5"}, {"AspectRatio", "1"}}));
  Project project(folder());
  start_project(project);
  EXPECT_EQ(project.preferences.start_count, 0);
  EXPECT_EQ(project.preferences.aspect_ratio, 0);
  EXPECT_THAT(file_text(), HasSubstr("<VERSION>3.0.6</VERSION>\r\n<RunTimes>0</RunTimes>"));
}

TEST_F(PreferencesStart, ValuesBeforeAMissingKeyStayAndTheRestComeFromMemory) {
  std::string stored = file_for(folder().string(), 2,
                                {{"AspectRatio", "1"}, {"NationName", "Japan"}, {"TVFormat", "1"}});
  stored.erase(stored.find("<NationTVFormat>"),
               std::string("<NationTVFormat>0</NationTVFormat>\r\n").size());
  test::write_file(file(), stored);
  Project project(folder());
  project.preferences.set_program_folder(folder());
  EXPECT_EQ(load_preferences(project), 0);  // not read whole, but written
  EXPECT_EQ(project.preferences.start_count, 3);
  EXPECT_EQ(project.preferences.aspect_ratio, 1);
  EXPECT_EQ(project.preferences.nation_name, "Japan");
  EXPECT_EQ(project.preferences.tv_format, 0);
  EXPECT_THAT(file_text(), HasSubstr("<NationTVFormat>0</NationTVFormat>\r\n<TVFormat>0<"));
}

TEST_F(PreferencesStart, StartCountsThatCannotGrowRestartAtThree) {
  for (const char* stored : {"-5", "2147483647", "99999999999"}) {
    std::string text = file_for(folder().string(), 0);
    text.replace(text.find("<RunTimes>0<"), 12, std::string("<RunTimes>") + stored + "<");
    test::write_file(file(), text);
    Project project(folder());
    project.preferences.set_program_folder(folder());
    load_preferences(project);
    EXPECT_EQ(project.preferences.start_count, 3) << stored;
  }
  test::write_file(file(), file_for(folder().string(), -1));
  Project project(folder());
  project.preferences.set_program_folder(folder());
  load_preferences(project);
  EXPECT_EQ(project.preferences.start_count, 0);
}

TEST_F(PreferencesStart, AFileThatIsNoDocumentIsNeitherReadNorWritten) {
  Project project(folder());
  project.preferences.set_program_folder(folder());
  for (const std::string& text : {std::string(), std::string("<reference><VERSION>3.0.6")}) {
    test::write_file(file(), text);
    EXPECT_EQ(load_preferences(project), -1);
    EXPECT_EQ(file_text(), text);
  }
  // A UTF-16 file that converts to far fewer characters than its bytes suggest.
  std::string wide = "\xFF\xFE";
  wide += std::string("<\0r\0>\0", 6);
  wide += std::string(200, '\0');
  test::write_file(file(), wide);
  EXPECT_EQ(load_preferences(project), -1);
  EXPECT_EQ(file_text(), wide);
}

TEST_F(PreferencesStart, AUtf16FileIsReadLikeItsUtf8Text) {
  const std::string text = file_for(folder().string(), 8, {{"NationName", "Japan"}});
  std::string wide = "\xFF\xFE";
  for (const char c : text) {
    wide += c;
    wide += '\0';
  }
  test::write_file(file(), wide);
  Project project(folder());
  project.preferences.set_program_folder(folder());
  EXPECT_EQ(load_preferences(project), 0);
  EXPECT_EQ(project.preferences.start_count, 9);
  EXPECT_EQ(project.preferences.nation_name, "Japan");
  EXPECT_THAT(file_text(), StartsWith("<reference>\r\n"));
}

TEST_F(PreferencesStart, SavingReplacesTheFileInOneStepOrReportsFailure) {
  Project project(folder());
  project.preferences.set_program_folder(folder());
  test::write_file(file(), "old");
  project.preferences.aspect_ratio = 1;
  EXPECT_EQ(save_preferences(project), 0);
  EXPECT_THAT(file_text(), HasSubstr("<AspectRatio>1</AspectRatio>"));
  // No temporary file is left beside it.
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder()))
    ++entries;
  EXPECT_EQ(entries, 2);  // the preferences file and the installed profiles

  project.preferences.preferences_path = folder() / "missing" / "referenceFile.xml";
  EXPECT_EQ(save_preferences(project), -1);
  EXPECT_EQ(load_preferences(project), -1);
  EXPECT_FALSE(std::filesystem::exists(folder() / "missing"));
}

}  // namespace
}  // namespace pictavo
