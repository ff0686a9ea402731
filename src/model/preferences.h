#pragma once

#include <filesystem>
#include <string>

namespace pictavo {

// The fade the music fade-out switch turns on, in seconds.
inline constexpr int kMusicFadeOutSeconds = 3;

// Where the program keeps its files and the user's stored choices. The data files
// (pictures, music) are read from the program folder; what the program writes (the
// preferences file, the log, the working folders and the default project files)
// goes to `writable_folder`, which is the program folder unless that is read-only.
struct Preferences {
  // Fills every folder and path for `program_folder` and resets the start count;
  // `project_path` and the stored values after `log_path` keep theirs. The working
  // folder becomes the next free numbered one below the writable folder.
  void set_program_folder(const std::filesystem::path& program_folder);
  // The same with the writable folder given instead of chosen.
  void set_program_folder(const std::filesystem::path& program_folder,
                          const std::filesystem::path& writable_folder);

  int start_count = 0;  // starts recorded in the preferences file
  std::filesystem::path working_folder;
  // The program made the working folder (a numbered one of the writable folder) and
  // may remove it; a folder the user chose is never removed.
  bool working_folder_is_own = true;
  std::filesystem::path program_folder;  // without a trailing separator
  std::filesystem::path writable_folder;
  std::filesystem::path preferences_path;
  std::filesystem::path ntsc_menu_background;
  std::filesystem::path pal_menu_background;
  std::filesystem::path default_music;  // every new slideshow's first track
  std::filesystem::path ntsc_background;
  std::filesystem::path pal_background;
  std::filesystem::path project_path;    // the project file
  std::filesystem::path silent_audio;    // the music of a project without tracks
  std::filesystem::path fd_search_path;  // where the photo file dialogs start
  std::filesystem::path default_image;   // the placeholder picture
  std::filesystem::path log_path;

  // The stored values, in the settings dialog's terms.
  bool use_nation = false;
  std::string nation_name = "U.S.A";  // an entry of the country table
  int nation_tv_format = 0;           // that country's TV system
  int tv_format = 0;
  int aspect_ratio = 0;  // TV screen: 0 is 4:3, 1 is 16:9
  bool loop_audio = true;
  bool random_image_effect = false;  // new photos get a random Pan/Zoom/Rotate motion
  bool random_transition = true;     // new photos get a random transition
  // Photos that leave bars get a blurred, darkened copy of themselves behind them.
  bool blurred_background = false;
  // The music fades out over each video's last seconds instead of stopping short;
  // 0 is off.
  int music_fade_out_seconds = 0;
  // The output profile the user chose last, by its "Profile:" text; empty or
  // unknown: the group's first.
  std::string output_profile;
};

}  // namespace pictavo
