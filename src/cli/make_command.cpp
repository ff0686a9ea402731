#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/project_session.h"
#include "cli/video_making.h"
#include "model/project_start.h"

namespace pictavo::cli {
namespace {

namespace fs = std::filesystem;

// Makes profile `number` (as `pictavo-cli profiles` numbers them) the current one;
// its frame rate sets the project's TV system, which every photo takes, and the
// lengths follow.
bool use_profile(Project& project, int number) {
  if (!project.profiles.choose_profile(number)) return false;
  use_profile_frame_rate(project);
  project.apply_tv_system_to_all();
  return true;
}

}  // namespace

int run_make(Arguments& args) {
  const std::optional<std::string> out = args.take_value("--out");
  const std::optional<int> profile = args.take_int("--profile");
  const bool blurred_background = args.take_flag("--blurred-background");
  const std::optional<int> fade_out = args.take_int("--fade-out");
  const std::vector<std::string> files = args.finish();
  if (files.size() != 1) throw UsageError{"name one project file"};

  ProjectSession session(ProjectSession::Mode::kProgram);
  if (const Status opened = session.open(files.front()); !opened) {
    std::fprintf(stderr, "pictavo-cli make: %s cannot be opened: %s\n", files.front().c_str(),
                 opened.reason().c_str());
    return 1;
  }
  Project& project = session.project();
  if (profile && !use_profile(project, *profile)) {
    std::fprintf(stderr,
                 "pictavo-cli make: there is no output profile %d (pictavo-cli profiles lists "
                 "them)\n",
                 *profile);
    return 1;
  }
  if (blurred_background) project.preferences.blurred_background = true;
  if (fade_out) {
    if (*fade_out < 0 || *fade_out > 10) throw UsageError{"--fade-out takes 0 to 10 seconds"};
    project.preferences.music_fade_out_seconds = *fade_out;
  }
  project.update_totals();
  if (out) return make_project_videos("make", project, fs::absolute(*out));
  // A project whose working folder is gone works in the one this run made: its
  // Output folder, with the videos, stays.
  session.keep_working_folder();
  return make_project_videos("make", project, project.default_setting.output_folder);
}

}  // namespace pictavo::cli
