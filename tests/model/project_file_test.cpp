#include "model/project_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "base/xml_document.h"
#include "editing_fixture.h"
#include "model/photo_edits.h"
#include "model/project_messages.h"
#include "model/project_start.h"
#include "model/unsaved_changes.h"
#include "support/files.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

// The text with `from` replaced by `to` (which must be there).
std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// ASCII text as UTF-16LE with the FF FE mark.
std::string utf16_file(const std::string& text) {
  std::string bytes = "\xFF\xFE";
  for (const char c : text) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

// What a reader from before captions finds in `text`: it takes the stored order by
// forward searches and passes over elements it does not know. The photos it reads
// in full (settings, transition and edits), and the edits among them.
struct EarlierReading {
  int photos = 0;
  int edits = 0;
};

EarlierReading read_as_before_captions(const std::string& text) {
  EarlierReading found;
  XmlDocument doc;
  EXPECT_TRUE(doc.set_doc(text));
  EXPECT_TRUE(doc.find_elem("mivodvd") && doc.into_elem());
  for (const char* path : {"Preference File", "Working Path", "Temp Path", "OutPut Path"})
    EXPECT_TRUE(doc.find_elem(path)) << path;
  EXPECT_TRUE(doc.find_elem("mivoslideshows") && doc.into_elem());
  while (doc.find_elem("slideshow")) {
    doc.into_elem();
    EXPECT_TRUE(doc.find_elem("name") && doc.find_elem("cover index"));
    while (doc.find_elem("audio")) {
      doc.into_elem();
      EXPECT_TRUE(doc.find_elem("originalFileName"));
      doc.out_of_elem();
    }
    while (doc.find_elem("pic")) {
      doc.into_elem();
      bool read =
          doc.find_elem("strOriginalFile") && doc.find_elem("MIVO_SETTING") && doc.into_elem();
      for (const char* name : {"IS_NTSC", "WOKRING_PATH", "TEMP_PATH", "OUTPUT_PATH"})
        read = read && doc.find_elem(name);
      read = read && doc.find_elem("MIVO_EFFECT") && doc.into_elem();
      for (const char* name : {"SINGLE_EFFECT_TIME", "SINGLE_EFFECT_ID", "SINGLE_EFFECT_INIT_TYPE",
                               "TRANSITIO_EFFECT_TIME"})
        read = read && doc.find_elem(name);
      read = read && read_transition(doc) != nullptr;
      doc.out_of_elem();
      doc.out_of_elem();
      doc.find_elem("General");
      while (doc.find_elem())
        found.edits += edit_kind_from_element_name(doc.get_tag_name()) ? 1 : 0;
      doc.out_of_elem();
      found.photos += read ? 1 : 0;
    }
    doc.out_of_elem();
  }
  return found;
}

class ProjectFile : public test::EditingTest {
 protected:
  ProjectFile() { project->preferences.project_path = files / "trip.prg"; }

  std::string home_text() const { return home.path().string(); }

  // Two slideshows: Trip with music and three photos carrying every kind of stored
  // value, and Home with one photo.
  void build() {
    project->add_slideshow("Trip");
    Slideshow& trip = *project->slideshows[0];
    trip.add_track(music("song & dance.mp3", 90), project->preferences);
    trip.add_default_track(project->preferences);
    for (const char* name : {"a&b<c>.png", "b.png", "c.png"})
      trip.add_photo(photo(name), project->default_setting);
    const std::vector<int> all{0, 1, 2};
    trip.set_transition(all, ZoomParams(TransitionValues{1, 0}));
    trip.set_display_seconds(std::vector<int>{1}, 7);
    trip.set_image_effect(std::vector<int>{2}, ImageEffectCategory::kPan);
    trip.set_cover(2);
    PhotoItem& first = *trip.photos[0];
    first.contrast = 5;
    first.soften_times = 2;
    first.brightness = -3;
    TextOverlay text;
    text.text = "1 < 2 & 3";
    text.x = 4;
    text.cy = -6;
    text.set_font_name("Sans");
    text.font_height = 20;
    text.font_color = 0x00FF8000;
    text.italic = 255;
    text.font_weight = 700;
    first.append_edit(text);
    first.append_edit(PictureOverlay{"star.png", 1, 2, 3, 4});
    first.append_edit(CropArea{10, 20, 300, 200});
    first.append_edit(RotateLeft90{});
    first.append_edit(FlipVertically{});
    fs::copy_file(test::test_data_folder() / "images" / "valid" / "pattern.bmp",
                  files / "b.png.bmp");
    trip.photos[1]->prepared_path = files / "b.png.bmp";

    project->add_slideshow("Home");
    project->slideshows[1]->add_photo(photo("home.png"), project->default_setting);
  }

  std::string saved_text() {
    EXPECT_TRUE(save_project_silently(*project));
    return test::read_file(project->preferences.project_path);
  }

  // A second run of the program in the same program folder, loading `text`.
  std::unique_ptr<Project> load(const std::string& text, bool expected = true) {
    test::write_file(files / "loaded.prg", text);
    auto loaded = std::make_unique<Project>(home.path());
    start_project(*loaded);
    loaded->front_end.prompt = &prompt;
    loaded->preferences.project_path = files / "loaded.prg";
    EXPECT_EQ(static_cast<bool>(load_project(*loaded)), expected);
    return loaded;
  }

  std::string text_of(Project& other) {
    other.preferences.project_path = files / "again.prg";
    other.modified = true;
    EXPECT_TRUE(save_project_silently(other));
    return test::read_file(other.preferences.project_path);
  }
};

TEST_F(ProjectFile, OneElementALineInTheStoredOrder) {
  build();
  const std::string text = saved_text();
  const std::string app = home_text();
  EXPECT_THAT(text, StartsWith("<mivodvd>\r\n<Preference File>" + app +
                               "/referenceFile.xml</Preference File>\r\n"
                               "<Working Path>" +
                               app +
                               "/Project_1</Working Path>\r\n"
                               "<Temp Path>" +
                               app +
                               "/Project_1/temp</Temp Path>\r\n"
                               "<OutPut Path>" +
                               app +
                               "/Project_1/Output</OutPut Path>\r\n"
                               "<mivoslideshows>\r\n<slideshow>\r\n<name>Trip</name>\r\n"
                               "<cover index>2</cover index>\r\n<audio>\r\n<originalFileName>" +
                               files.path().string() +
                               "/song &amp; dance.mp3</originalFileName>\r\n</audio>\r\n"
                               "<audio>\r\n"));
  EXPECT_THAT(text, EndsWith("</pic>\r\n</slideshow>\r\n</mivoslideshows>\r\n<mivoMenu/>\r\n"
                             "</mivodvd>\r\n"));
  EXPECT_THAT(text,
              HasSubstr("<pic>\r\n<strOriginalFile>" + files.path().string() +
                        "/a&amp;b&lt;c&gt;.png</strOriginalFile>\r\n<m_strTempFile>" +
                        files.path().string() +
                        "/a&amp;b&lt;c&gt;.png</m_strTempFile>\r\n<MIVO_SETTING>\r\n"
                        "<IS_NTSC>0</IS_NTSC>\r\n<WOKRING_PATH/>\r\n<TEMP_PATH>" +
                        app + "/Project_1/temp</TEMP_PATH>\r\n<OUTPUT_PATH>" + app +
                        "/Project_1/Output</OUTPUT_PATH>\r\n<MIVO_EFFECT>\r\n"
                        "<SINGLE_EFFECT_TIME>3</SINGLE_EFFECT_TIME>\r\n"
                        "<SINGLE_EFFECT_ID>20</SINGLE_EFFECT_ID>\r\n"
                        "<SINGLE_EFFECT_INIT_TYPE>0</SINGLE_EFFECT_INIT_TYPE>\r\n"
                        "<TRANSITIO_EFFECT_TIME>2</TRANSITIO_EFFECT_TIME>\r\n"
                        "<TRANSITION_EFFECT_SETTING NAME=\"TRANSITION_EFFECT_ZOOM\">\r\n"
                        "<TRANSITION_EFFECT_ZOOM_PARAM>1</TRANSITION_EFFECT_ZOOM_PARAM>\r\n"
                        "</TRANSITION_EFFECT_SETTING>\r\n</MIVO_EFFECT>\r\n"
                        "</MIVO_SETTING>\r\n<General>\r\n<ContrastPos>5</ContrastPos>\r\n"
                        "<SoftenTimes>2</SoftenTimes>\r\n</General>\r\n<Text>\r\n"
                        "<TextContent>1 &lt; 2 &amp; 3</TextContent>\r\n<x>4</x>\r\n"
                        "<y>0</y>\r\n<cx>0</cx>\r\n<cy>-6</cy>\r\n<FontName>Sans</FontName>\r\n"
                        "<FontHeight>20</FontHeight>\r\n<FontColor>16744448</FontColor>\r\n"
                        "<FontItalic>255</FontItalic>\r\n<FontWeight>700</FontWeight>\r\n"
                        "</Text>\r\n<Image>\r\n<ImageName>star.png</ImageName>\r\n<x>1</x>\r\n"
                        "<y>2</y>\r\n<cx>3</cx>\r\n<cy>4</cy>\r\n</Image>\r\n<Crop>\r\n"
                        "<upleft.x>10</upleft.x>\r\n<upleft.y>20</upleft.y>\r\n"
                        "<downright.x>300</downright.x>\r\n<downright.y>200</downright.y>\r\n"
                        "</Crop>\r\n<RotateLeft90/>\r\n<FlipVertically/>\r\n</pic>\r\n"));
  EXPECT_THAT(text, HasSubstr("</MIVO_SETTING>\r\n<General/>\r\n</pic>\r\n"));
}

TEST_F(ProjectFile, AProjectWithoutSlideshowsStillHasItsList) {
  project->modified = true;
  EXPECT_THAT(saved_text(), EndsWith("</OutPut Path>\r\n<mivoslideshows/>\r\n<mivoMenu/>\r\n"
                                     "</mivodvd>\r\n"));
}

TEST_F(ProjectFile, LoadingRebuildsTheSameProjectAndSavesTheSameText) {
  build();
  const std::string text = saved_text();
  prompt.shown.clear();
  std::unique_ptr<Project> loaded = load(text);
  EXPECT_TRUE(prompt.shown.empty());
  ASSERT_EQ(loaded->slideshow_count(), 2);
  EXPECT_EQ(loaded->preferences.working_folder, project->preferences.working_folder);
  EXPECT_EQ(loaded->default_setting.output_folder, project->default_setting.output_folder);
  const Slideshow& trip = *loaded->slideshows[0];
  EXPECT_EQ(trip.cover_index, 2);
  EXPECT_EQ(trip.total_frames, project->slideshows[0]->total_frames);
  EXPECT_EQ(trip.tracks[1]->start.text(), "00:01:30");
  EXPECT_EQ(trip.photos[1]->prepared_path, files / "b.png.bmp");
  EXPECT_EQ(trip.photos[1]->setting.effect.display_seconds, 7);
  EXPECT_EQ(trip.photos[2]->setting.effect.image_effect,
            project->slideshows[0]->photos[2]->setting.effect.image_effect);
  EXPECT_EQ(trip.photos[0]->edits, project->slideshows[0]->photos[0]->edits);
  EXPECT_EQ(trip.photos[0]->brightness, 0);  // not stored below 1
  EXPECT_EQ(text_of(*loaded), text);
}

TEST_F(ProjectFile, CaptionsComeBackAndAReaderFromBeforeThemPassesThemOver) {
  build();
  Slideshow& trip = *project->slideshows[0];
  trip.photos[0]->caption = "Pond & <sky>";
  trip.captions = {AutoCaption::kNameAndDate, CaptionPlacement::kTop};
  project->slideshows[1]->captions.automatic = AutoCaption::kDateTaken;
  const std::string text = saved_text();
  EXPECT_THAT(text, HasSubstr("<FlipVertically/>\r\n<Caption>Pond &amp; &lt;sky&gt;</Caption>\r\n"
                              "</pic>\r\n"));
  EXPECT_THAT(text, HasSubstr("</pic>\r\n<AutoCaption>both</AutoCaption>\r\n"
                              "<CaptionPlacement>top</CaptionPlacement>\r\n</slideshow>\r\n"));
  EXPECT_THAT(text, HasSubstr("</pic>\r\n<AutoCaption>date</AutoCaption>\r\n</slideshow>\r\n"));

  std::unique_ptr<Project> loaded = load(text);
  EXPECT_EQ(loaded->slideshows[0]->photos[0]->caption, "Pond & <sky>");
  EXPECT_EQ(loaded->slideshows[0]->photos[0]->edits, trip.photos[0]->edits);
  EXPECT_EQ(loaded->slideshows[0]->captions, trip.captions);
  EXPECT_EQ(loaded->slideshows[1]->captions.placement, CaptionPlacement::kBottom);
  EXPECT_EQ(text_of(*loaded), text);

  const EarlierReading earlier = read_as_before_captions(text);
  EXPECT_EQ(earlier.photos, 4);
  EXPECT_EQ(earlier.edits, 5);
}

TEST_F(ProjectFile, AUtf16FileLoadsLikeItsEightBitForm) {
  build();
  const std::string text = saved_text();
  std::unique_ptr<Project> loaded = load(utf16_file(text));
  EXPECT_EQ(text_of(*loaded), text);
}

TEST_F(ProjectFile, ADamagedUtf16FileLosesOnlyTheDamagedCharacters) {
  build();
  const std::string text = saved_text();
  // An unpaired surrogate in the first slideshow's name, and a stray last byte.
  std::string damaged = utf16_file(replaced(text, "<name>Trip<", "<name>Tr@ip<"));
  damaged.replace(damaged.find(std::string("@\0", 2)), 2, std::string("\0\xD8", 2));
  std::unique_ptr<Project> loaded = load(damaged + "\n");
  ASSERT_EQ(loaded->slideshow_count(), 2);
  EXPECT_EQ(loaded->slideshows[0]->name(), "Tr\xEF\xBF\xBDip");
  EXPECT_EQ(loaded->slideshows[0]->photos.size(), 3u);
  EXPECT_EQ(text_of(*loaded), replaced(text, "<name>Trip<", "<name>Tr\xEF\xBF\xBDip<"));
  EXPECT_THAT(test::log_texts(home.path() / "log.txt"),
              testing::Contains(HasSubstr("loaded.prg holds damaged UTF-16 text (U+FFFD for 1 "
                                          "unpaired surrogate, a stray last byte was dropped); "
                                          "the rest is read")));
}

TEST_F(ProjectFile, MissingPhotosStayMarkedAndAreSavedAsTheyWere) {
  build();
  const std::string text = saved_text();
  fs::remove(files / "c.png");
  fs::remove(files / "home.png");
  prompt.shown.clear();
  std::unique_ptr<Project> loaded = load(text);
  // Nothing is lost: a slideshow whose only photo is gone stays too.
  EXPECT_EQ(text_of(*loaded), text);
  EXPECT_THAT(prompt.shown, IsEmpty());
  EXPECT_EQ(loaded->missing_photos(), (std::vector<fs::path>{files / "c.png", files / "home.png"}));
  ASSERT_EQ(loaded->slideshow_count(), 2);
  const Slideshow& trip = *loaded->slideshows[0];
  ASSERT_EQ(trip.photos.size(), 3u);
  EXPECT_FALSE(trip.photos[1]->missing);
  EXPECT_TRUE(trip.photos[2]->missing);
  EXPECT_EQ(trip.photos[2]->file_name, "c.png");
  EXPECT_EQ(trip.cover_index, 2);
  EXPECT_THAT(
      test::log_texts(home.path() / "log.txt"),
      testing::Contains("photo file not found, kept as missing: " + (files / "c.png").string()));
}

TEST_F(ProjectFile, AnEditedCopyThatIsGoneGivesWayToTheUsersFile) {
  build();
  const std::string text = saved_text();
  fs::remove(files / "b.png.bmp");
  std::unique_ptr<Project> loaded = load(text);
  const PhotoItem& photo = *loaded->slideshows[0]->photos[1];
  EXPECT_EQ(photo.prepared_path, photo.source_path);

  test::write_file(files / "b.png.bmp", "no picture");
  EXPECT_EQ(load(text)->slideshows[0]->photos[1]->prepared_path, files / "b.png");
}

TEST_F(ProjectFile, SavingWritesOnlyChangesAndKeepsThemWhenItFails) {
  project->modified = false;
  EXPECT_FALSE(save_project(*project));
  EXPECT_FALSE(fs::exists(project->preferences.project_path));

  build();
  project->modified = false;  // photo-level changes alone are saved too
  project->preferences.project_path = files / "no such folder" / "trip.prg";
  EXPECT_FALSE(save_project(*project));
  EXPECT_TRUE(has_unsaved_changes());
  EXPECT_THAT(prompt.shown, ElementsAre(save_failed_message(project->preferences.project_path,
                                                            "No such file or directory")));
  EXPECT_THAT(prompt.shown[0].text.english(), HasSubstr("trip.prg': No such file or directory"));
  prompt.shown.clear();

  project->preferences.project_path = files / "trip.prg";
  EXPECT_TRUE(save_project(*project));
  EXPECT_FALSE(project->modified);
  EXPECT_FALSE(has_unsaved_changes());
  EXPECT_THAT(prompt.shown, ElementsAre(saved_message(files / "trip.prg")));
  EXPECT_EQ(prompt.shown[0].text,
            "The project was saved to '" + (files / "trip.prg").string() + "'.");
}

TEST_F(ProjectFile, TextThatIsNoDocumentIsRefusedAndRequiredElementsAreRequired) {
  load("<mivodvd><a></b></mivodvd>", false);

  build();
  const std::string text = saved_text();
  const auto renamed = [&](const std::string& from, const std::string& to) {
    return replaced(replaced(text, "<" + from + ">", "<" + to + ">"), "</" + from + ">",
                    "</" + to + ">");
  };
  load(renamed("Working Path", "Work Path"), false);
  std::unique_ptr<Project> partly = load(renamed("originalFileName", "otherFileName"), false);
  EXPECT_EQ(partly->slideshow_count(), 0);  // the slideshow being read had no photo yet
}

TEST_F(ProjectFile, AFileThatCannotBeOpenedLeavesTheProjectAsItWas) {
  build();
  const std::string text = saved_text();
  // The second slideshow lacks a required element: the first is read before it fails.
  test::write_file(files / "half.prg", replaced(text, "<name>Home</name>", ""));
  test::write_file(files / "notes.prg", "Dear diary, today I made a slideshow.");
  project->rename_slideshow(1, "Garden");
  const fs::path working_folder = project->preferences.working_folder;
  for (const auto& [name, reason] :
       {std::pair("half.prg", "it is damaged: a part every project file has is missing"),
        std::pair("notes.prg", "it is not a Pictavo project file"),
        std::pair("none.prg", "No such file or directory")}) {
    EXPECT_EQ(open_project(*project, files / name).reason(), reason);
    ASSERT_EQ(project->slideshow_count(), 2) << name;
    EXPECT_EQ(project->slideshows[1]->name(), "Garden");
    EXPECT_EQ(project->current_slideshow, 1);
    EXPECT_EQ(project->preferences.project_path, files / "trip.prg");
    EXPECT_EQ(project->preferences.working_folder, working_folder);
    EXPECT_TRUE(project->modified);
  }
  EXPECT_EQ(test::read_file(files / "notes.prg"), "Dear diary, today I made a slideshow.");

  ASSERT_TRUE(open_project(*project, files / "trip.prg"));
  EXPECT_EQ(project->slideshows[1]->name(), "Home");
  EXPECT_FALSE(project->modified);
  EXPECT_FALSE(has_unsaved_changes());
}

TEST_F(ProjectFile, AdjustmentsAndEditsAreReadByName) {
  build();
  std::string text = saved_text();
  text = replaced(text, "<ContrastPos>5</ContrastPos>\r\n", "");
  text = replaced(text, "<Text>", "<Unknown>\r\n<x>1</x>\r\n</Unknown>\r\n<Text>");
  const std::unique_ptr<Project> loaded = load(text);
  const PhotoItem& photo = *loaded->slideshows[0]->photos[0];
  EXPECT_EQ(photo.contrast, 0);
  EXPECT_EQ(photo.soften_times, 2);
  EXPECT_EQ(photo.edits, project->slideshows[0]->photos[0]->edits);

  load(replaced(text, "<FontName>Sans</FontName>\r\n", ""), false);
}

TEST_F(ProjectFile, StoredValuesAreBroughtIntoTheProgramsRanges) {
  build();
  std::string text = saved_text();
  text = replaced(text, "<IS_NTSC>0</IS_NTSC>", "<IS_NTSC>-7</IS_NTSC>");
  text = replaced(text, "<SINGLE_EFFECT_TIME>3</SINGLE_EFFECT_TIME>",
                  "<SINGLE_EFFECT_TIME>-99999999999999</SINGLE_EFFECT_TIME>");
  text = replaced(text, "<SINGLE_EFFECT_ID>20</SINGLE_EFFECT_ID>",
                  "<SINGLE_EFFECT_ID>99</SINGLE_EFFECT_ID>");
  text = replaced(text, "<SINGLE_EFFECT_INIT_TYPE>0</SINGLE_EFFECT_INIT_TYPE>",
                  "<SINGLE_EFFECT_INIT_TYPE>1</SINGLE_EFFECT_INIT_TYPE>");
  text = replaced(text, "<TRANSITIO_EFFECT_TIME>2</TRANSITIO_EFFECT_TIME>",
                  "<TRANSITIO_EFFECT_TIME>2147483648</TRANSITIO_EFFECT_TIME>");
  text = replaced(text,
                  "<TRANSITION_EFFECT_SETTING NAME=\"TRANSITION_EFFECT_ZOOM\">\r\n"
                  "<TRANSITION_EFFECT_ZOOM_PARAM>1</TRANSITION_EFFECT_ZOOM_PARAM>\r\n"
                  "</TRANSITION_EFFECT_SETTING>",
                  "<TRANSITION_EFFECT_SETTING NAME=\"TRANSITION_EFFECT_RANDOM\"/>");
  text = replaced(text, "<SoftenTimes>2</SoftenTimes>", "<SoftenTimes>2000000</SoftenTimes>");
  text = replaced(text, "<FontItalic>255</FontItalic>", "<FontItalic>300</FontItalic>");
  text = replaced(text, "<FontColor>16744448</FontColor>", "<FontColor>-1</FontColor>");
  text = replaced(text, "<FontName>Sans</FontName>",
                  "<FontName>" + std::string(40, 'f') + "</FontName>");
  std::unique_ptr<Project> loaded = load(text);
  const PhotoItem& photo = *loaded->slideshows[0]->photos[0];
  EXPECT_EQ(photo.setting.tv_system, 1);
  EXPECT_EQ(photo.setting.effect.display_seconds, 1);
  EXPECT_EQ(photo.setting.effect.transition_seconds, 10);
  EXPECT_EQ(photo.setting.effect.category, ImageEffectCategory::kPan);
  EXPECT_LT(static_cast<int>(photo.setting.effect.image_effect), 8);  // drawn: a pan
  EXPECT_NE(photo.setting.effect.transition().type(), TransitionType::kRandom);
  EXPECT_EQ(photo.soften_times, kMaxFilterPasses);
  const auto& overlay = std::get<TextOverlay>(photo.edits[0]);
  EXPECT_EQ(overlay.italic, 255);
  EXPECT_EQ(overlay.font_color, 0u);
  EXPECT_EQ(overlay.font_name, std::string(30, 'f'));
  EXPECT_EQ(loaded->slideshows[0]->total_frames, (1 + 2 + 7 + 2 + 3) * 25);  // all at PAL
}

TEST_F(ProjectFile, RefusedSlideshowsAreSkippedWhole) {
  build();
  const std::string text = saved_text();
  std::unique_ptr<Project> twice = load(replaced(text, "<name>Home</name>", "<name>Trip</name>"));
  ASSERT_EQ(twice->slideshow_count(), 1);
  EXPECT_EQ(twice->slideshows[0]->photos.size(), 3u);

  const std::size_t begin = text.find("<slideshow>\r\n<name>Home");
  const std::size_t end = text.find("</mivoslideshows>");
  const std::string home_show = text.substr(begin, end - begin);
  std::string many = text.substr(0, begin);
  for (int i = 0; i < 52; ++i)
    many += replaced(home_show, "<name>Home</name>", "<name>H" + std::to_string(i) + "</name>");
  many += text.substr(end);
  prompt.shown.clear();
  std::unique_ptr<Project> full = load(many);
  EXPECT_EQ(full->slideshow_count(), 50);
  EXPECT_EQ(full->slideshows[49]->name(), "H48");
  EXPECT_THAT(prompt.shown, ElementsAre(slideshow_limit_message(50)));
}

TEST_F(ProjectFile, OnlyTheProgramsOwnPreferencesAreReadAgain) {
  build();
  const std::string text = saved_text();
  const std::string own = (home.path() / "referenceFile.xml").string();
  EXPECT_EQ(load(text)->preferences.start_count, 2);  // the load counts as a start

  const fs::path other = files / "other.xml";
  test::write_file(other, "<reference>\r\n<VERSION>3.0.6</VERSION>\r\n</reference>\r\n");
  const auto stamp = fs::last_write_time(other);
  // Every run counts a start: the fixture's, the first load's and its reading, this one.
  EXPECT_EQ(load(replaced(text, own, other.string()))->preferences.start_count, 3);
  EXPECT_EQ(test::read_file(other), "<reference>\r\n<VERSION>3.0.6</VERSION>\r\n</reference>\r\n");
  EXPECT_EQ(fs::last_write_time(other), stamp);

  const std::string loaded_path = (files / "loaded.prg").string();
  const std::string self = replaced(text, own, loaded_path);
  load(self);
  EXPECT_EQ(test::read_file(files / "loaded.prg"), self);
}

TEST_F(ProjectFile, FoldersAreTakenOnlyWhenTheyAreOwnWorkingFolders) {
  build();
  const std::string text = saved_text();
  const std::string own = (home.path() / "Project_1").string();
  fs::create_directories(files / "Project_9");
  std::unique_ptr<Project> foreign = load(
      replaced(text, "<Working Path>" + own, "<Working Path>" + (files / "Project_9").string()));
  EXPECT_EQ(foreign->preferences.working_folder, home.path() / "Project_2");
  EXPECT_EQ(foreign->default_setting.output_folder, home.path() / "Project_2" / "Output");

  std::unique_ptr<Project> gone =
      load(replaced(text, "<Working Path>" + own, "<Working Path>" + own + "7"));
  EXPECT_EQ(gone->preferences.working_folder, home.path() / "Project_3");

  // An output folder elsewhere is never taken: the job empties the output folder.
  std::unique_ptr<Project> outside =
      load(replaced(text, "<OutPut Path>" + own + "/Output", "<OutPut Path>/home"));
  EXPECT_EQ(outside->preferences.working_folder, home.path() / "Project_1");
  EXPECT_EQ(outside->default_setting.output_folder, home.path() / "Project_1" / "Output");
}

}  // namespace
}  // namespace pictavo
