#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "base/program_folder.h"
#include "base/xml_document.h"
#include "base/xml_file.h"
#include "cli/commands.h"
#include "model/preferences.h"
#include "model/preferences_file.h"
#include "model/working_folders.h"

namespace pictavo::cli {
namespace {

void print_row(const char* label, const std::string& value) {
  std::printf("%-22s %s\n", label, value.c_str());
}

int count_children(XmlDocument& doc) {
  int count = 0;
  doc.into_elem();
  while (doc.find_elem())
    ++count;
  doc.out_of_elem();
  return count;
}

// Every value under "reference" as stored, in file order; the stored working folder
// through `working_folder`. False when the file holds no "reference" element.
bool print_stored_values(XmlDocument& doc, const Preferences& preferences,
                         std::string& working_folder) {
  if (!doc.find_elem("reference") || !doc.into_elem()) return false;
  std::puts("\nStored values:");
  while (doc.find_elem()) {
    const std::string key = doc.get_tag_name();
    std::string value = doc.get_data();
    if (key == "EFFECT_SETS") value = std::to_string(count_children(doc)) + " transition templates";
    if (key == "workingPath") working_folder = value;
    std::printf("  %-20s %s\n", key.c_str(), value.c_str());
    if (key == "VERSION" && value != kPreferencesVersion) {
      std::puts("  (another version: the next start replaces the file)");
    }
    if (key == "AppPath" && value != preferences.program_folder.string()) {
      std::puts("  (another program folder: the next start replaces the file)");
    }
  }
  return true;
}

}  // namespace

int run_prefs(Arguments& args) {
  args.finish();
  Preferences preferences;
  preferences.set_program_folder(program_folder());

  print_row("Program folder:", preferences.program_folder.string());
  if (preferences.writable_folder != preferences.program_folder) {
    print_row("Writable folder:",
              preferences.writable_folder.string() + " (the program folder is read-only)");
  }
  print_row("Preferences file:", preferences.preferences_path.string());
  print_row("Log:", preferences.log_path.string());

  std::string working_folder;
  int status = 0;
  const std::optional<XmlFileText> file = read_xml_file(preferences.preferences_path);
  XmlDocument doc;
  if (!file) {
    std::puts("\nStored values: none yet (the first start writes the preferences file)");
  } else if (!file->is_complete() || !doc.set_doc(file->text) ||
             !print_stored_values(doc, preferences, working_folder)) {
    std::fprintf(stderr, "pictavo-cli prefs: %s is not a preferences file\n",
                 preferences.preferences_path.c_str());
    status = 1;
  }

  std::puts("");
  print_row("Working folder:",
            working_folder.empty() ? "none yet" : working_folder + " (the last start's)");
  print_row("Next working folder:", preferences.working_folder.string());
  print_row("Next project file:", first_free_project_path(preferences.writable_folder).string());
  return status;
}

}  // namespace pictavo::cli
