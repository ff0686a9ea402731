#include "model/preferences.h"

#include "base/program_folder.h"
#include "model/working_folders.h"

namespace pictavo {
namespace {

// The stored folder is compared as text with the next start's, so "/opt/pictavo/"
// and "/opt/pictavo" must not differ.
std::filesystem::path without_trailing_separator(std::filesystem::path folder) {
  while (!folder.has_filename() && folder != folder.root_path())
    folder = folder.parent_path();
  return folder;
}

}  // namespace

void Preferences::set_program_folder(const std::filesystem::path& folder) {
  const std::filesystem::path program = without_trailing_separator(folder);
  set_program_folder(program, writable_folder_for(program));
}

void Preferences::set_program_folder(const std::filesystem::path& folder,
                                     const std::filesystem::path& writable) {
  start_count = 0;
  program_folder = without_trailing_separator(folder);
  writable_folder = without_trailing_separator(writable);
  working_folder = next_project_folder(writable_folder);
  working_folder_is_own = true;

  const std::filesystem::path menu_pictures = program_folder / "menu_pic";
  preferences_path = writable_folder / "referenceFile.xml";
  ntsc_menu_background = menu_pictures / "ntsc_menu_background.jpg";
  pal_menu_background = menu_pictures / "pal_menu_background.jpg";
  default_music = menu_pictures / "default.mp3";
  ntsc_background = menu_pictures / "NTSC_BG.png";
  pal_background = menu_pictures / "PAL_BG.png";
  silent_audio = menu_pictures / "silent.mp2";
  fd_search_path = program_folder;
  default_image = program_folder / "res" / "defaultImage.bmp";
  log_path = writable_folder / "log.txt";
}

}  // namespace pictavo
