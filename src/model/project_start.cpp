#include "model/project_start.h"

#include <system_error>

#include "base/folder_tree.h"
#include "base/log.h"
#include "model/preferences_file.h"
#include "model/project.h"
#include "model/working_folders.h"

namespace pictavo {
namespace {

void create_folder(const std::filesystem::path& folder) {
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
}

}  // namespace

void load_output_profiles(Project& project) {
  // The groups that could be read serve; what is missing is only worth a warning.
  ProfileGroupList& profiles = project.profiles;
  if (!profiles.load_profiles(project.preferences.program_folder)) {
    write_log("warning: " + profiles.shortfall());
  }
  // The first profile of that name, in any group.
  for (int number = 0; number < profiles.profile_count(); ++number) {
    if (profiles.numbered_profile(number)->desc_l == project.preferences.output_profile) {
      profiles.choose_profile(number);
      break;
    }
  }
  use_profile_frame_rate(project);
}

void choose_output_profile(Project& project, int number) {
  project.profiles.choose_profile(number);
  if (const OutputProfile* profile = project.profiles.current_profile())
    project.preferences.output_profile = profile->desc_l;
  use_profile_frame_rate(project);
}

void use_profile_frame_rate(Project& project) {
  const OutputProfile* profile = project.profiles.current_profile();
  if (profile == nullptr) return;
  const std::string& frame_rate = profile->value(ProfileParameterId::kVideoFrameRate);
  // A phone or TV profile's 30 frames a second are nearest NTSC's; the previews
  // then play at 30 too.
  if (frame_rate == "29.97" || frame_rate == "30") project.default_setting.tv_system = 0;
  if (frame_rate == "25") project.default_setting.tv_system = 1;
}

void use_working_folder(Project& project, const std::filesystem::path& working_folder,
                        bool is_own) {
  project.preferences.working_folder = working_folder;
  project.preferences.working_folder_is_own = is_own;
  project.default_setting.temp_folder = working_folder / "temp";
  project.default_setting.output_folder = working_folder / "Output";
}

void choose_working_folder(Project& project, const std::filesystem::path& folder) {
  if (normal_path(folder) == normal_path(project.preferences.working_folder)) return;
  use_working_folder(project, folder, false);
}

void drop_working_folder(const Preferences& preferences) {
  if (preferences.working_folder_is_own) delete_folder_tree(preferences.working_folder);
}

void start_project(Project& project) {
  Preferences& preferences = project.preferences;
  preferences.set_program_folder(preferences.program_folder);
  set_log_path(preferences.log_path);
  use_working_folder(project, preferences.working_folder, true);
  load_preferences(project);
  create_folder(project.default_setting.temp_folder);
  preferences.project_path = first_free_project_path(preferences.writable_folder);
  load_output_profiles(project);
  project.update_totals();
  project.modified = false;
  write_log("Software start!");
}

void prepare_new_project(Project& project) {
  use_working_folder(project, next_project_folder(project.preferences.writable_folder), true);
  create_folder(project.default_setting.temp_folder);
  create_folder(project.default_setting.output_folder);
}

}  // namespace pictavo
