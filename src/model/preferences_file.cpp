#include "model/preferences_file.h"

#include <array>
#include <climits>
#include <string>

#include "base/text_number.h"
#include "base/xml_document.h"
#include "base/xml_file.h"
#include "model/photo_durations.h"
#include "model/project.h"

namespace pictavo {
namespace {

constexpr std::string_view kRootElement = "reference";
constexpr std::string_view kBlurredBackground = "BlurredBackground";
constexpr std::string_view kMusicFadeOut = "MusicFadeOut";
constexpr std::string_view kOutputProfile = "OutputProfile";

// One stored value after "AppPath", in file order. A value without `read` is
// written for other programs' sake and ignored on reading.
struct StoredValue {
  std::string_view key;
  std::string (*write)(const Project&);
  void (*read)(Project&, const std::string& text);
};

std::string flag_text(bool flag) {
  return flag ? "1" : "0";
}

// Values are read as they are used, so that the file is written back with what
// the program works with: a flag (TV system, screen ratio) is 0 or 1, any other
// number counting as 1, and durations come within what a photo can have.
int flag_value(const std::string& text) {
  return parse_int(text) != 0 ? 1 : 0;
}

// clang-format off
constexpr std::array<StoredValue, 15> kStoredValues{{
    {"workingPath",
     [](const Project& p) { return p.preferences.working_folder.string(); }, nullptr},
    {"outputPath",
     [](const Project& p) { return p.default_setting.output_folder.string(); }, nullptr},
    {"isNtsc",
     [](const Project& p) { return std::to_string(p.default_setting.tv_system); },
     [](Project& p, const std::string& t) { p.default_setting.tv_system = flag_value(t); }},
    {"AspectRatio",
     [](const Project& p) { return std::to_string(p.preferences.aspect_ratio); },
     [](Project& p, const std::string& t) { p.preferences.aspect_ratio = flag_value(t); }},
    {"transmitTime",
     [](const Project& p) { return std::to_string(p.default_setting.effect.transition_seconds); },
     [](Project& p, const std::string& t) {
       p.default_setting.effect.transition_seconds = fit_transition_seconds(parse_int(t));
     }},
    {"singleTime",
     [](const Project& p) { return std::to_string(p.default_setting.effect.display_seconds); },
     [](Project& p, const std::string& t) {
       p.default_setting.effect.display_seconds = fit_display_seconds(parse_int(t));
     }},
    {"FDSearchPath",
     [](const Project& p) { return p.preferences.fd_search_path.string(); },
     [](Project& p, const std::string& t) { p.preferences.fd_search_path = t; }},
    {"IsUseNation",
     [](const Project& p) { return flag_text(p.preferences.use_nation); },
     [](Project& p, const std::string& t) { p.preferences.use_nation = parse_int(t) != 0; }},
    {"NationName",
     [](const Project& p) { return p.preferences.nation_name; },
     [](Project& p, const std::string& t) { p.preferences.nation_name = t; }},
    {"NationTVFormat",
     [](const Project& p) { return std::to_string(p.preferences.nation_tv_format); },
     [](Project& p, const std::string& t) { p.preferences.nation_tv_format = flag_value(t); }},
    {"TVFormat",
     [](const Project& p) { return std::to_string(p.preferences.tv_format); },
     [](Project& p, const std::string& t) { p.preferences.tv_format = parse_int(t); }},
    {"LoopAudio",
     [](const Project& p) { return flag_text(p.preferences.loop_audio); },
     [](Project& p, const std::string& t) { p.preferences.loop_audio = parse_int(t) != 0; }},
    {"RandomImageEffect",
     [](const Project& p) { return flag_text(p.preferences.random_image_effect); },
     [](Project& p, const std::string& t) {
       p.preferences.random_image_effect = parse_int(t) != 0;
     }},
    {"RandomTransition",
     [](const Project& p) { return flag_text(p.preferences.random_transition); },
     [](Project& p, const std::string& t) {
       p.preferences.random_transition = parse_int(t) != 0;
     }},
    {"DefaultImage",
     [](const Project& p) { return p.preferences.default_image.string(); },
     [](Project& p, const std::string& t) { p.preferences.default_image = t; }},
}};
// clang-format on

// The count of this start from the stored one. A negative result, or one past the
// int range (where the count used to wrap to a negative one), becomes 3.
int next_start_count(const std::string& stored) {
  const long long next = static_cast<long long>(parse_int(stored)) + 1;
  return next < 0 || next > INT_MAX ? 3 : static_cast<int>(next);
}

void apply_random_preferences(Project& project) {
  project.default_setting.effect.apply_random_preferences(project.preferences.random_image_effect,
                                                          project.preferences.random_transition);
}

// Settings that came after the file's layout was fixed follow the transition
// templates, where readers that do not know them never look; a file without them
// keeps the defaults.
void read_later_values(XmlDocument& doc, Preferences& preferences) {
  if (doc.find_elem(kBlurredBackground))
    preferences.blurred_background = parse_int(doc.get_data()) != 0;
  if (doc.find_elem(kMusicFadeOut))
    preferences.music_fade_out_seconds = parse_int(doc.get_data()) != 0 ? kMusicFadeOutSeconds : 0;
  if (doc.find_elem(kOutputProfile)) preferences.output_profile = doc.get_data();
}

// Reads the values in file order up to the first missing or refused one; true when
// everything up to and including the transition templates was read.
bool read_values(XmlDocument& doc, Project& project) {
  Preferences& preferences = project.preferences;
  if (!doc.find_elem(kRootElement) || !doc.into_elem()) return false;
  if (!doc.find_elem("VERSION") || doc.get_data() != kPreferencesVersion) return false;
  if (!doc.find_elem("RunTimes")) return false;
  preferences.start_count = next_start_count(doc.get_data());
  // The file of a copy in another folder names that copy's files.
  if (!doc.find_elem("AppPath") || doc.get_data() != preferences.program_folder.string()) {
    return false;
  }
  for (const StoredValue& value : kStoredValues) {
    if (!doc.find_elem(value.key)) return false;
    if (value.read != nullptr) value.read(project, doc.get_data());
  }
  apply_random_preferences(project);
  if (!project.effect_set.read_xml(doc)) return false;
  read_later_values(doc, preferences);
  return true;
}

}  // namespace

int load_preferences(Project& project) {
  bool templates_read = false;
  if (const std::optional<XmlFileText> file = read_xml_file(project.preferences.preferences_path)) {
    XmlDocument doc;
    if (!file->is_complete() || !doc.set_doc(file->text)) return -1;
    templates_read = read_values(doc, project);
  }
  const bool written = save_preferences(project) == 0;
  return templates_read || written ? 0 : -1;
}

int save_preferences(Project& project) {
  const Preferences& preferences = project.preferences;
  XmlDocument doc;
  doc.add_elem(kRootElement);
  doc.into_elem();
  doc.add_elem("VERSION", kPreferencesVersion);
  doc.add_elem("RunTimes", std::to_string(preferences.start_count));
  doc.add_elem("AppPath", preferences.program_folder.string());
  for (const StoredValue& value : kStoredValues)
    doc.add_elem(value.key, value.write(project));
  project.effect_set.write_xml(doc);
  doc.add_elem(kBlurredBackground, flag_text(preferences.blurred_background));
  doc.add_elem(kMusicFadeOut, flag_text(preferences.music_fade_out_seconds > 0));
  if (!preferences.output_profile.empty()) doc.add_elem(kOutputProfile, preferences.output_profile);
  doc.out_of_elem();

  if (!write_xml_file(preferences.preferences_path, doc.get_doc())) return -1;
  apply_random_preferences(project);
  return 0;
}

}  // namespace pictavo
