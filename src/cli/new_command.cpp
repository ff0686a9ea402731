#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "cli/commands.h"
#include "cli/effect_choice.h"
#include "cli/project_report.h"
#include "cli/project_session.h"
#include "model/photo_adding.h"

namespace pictavo::cli {
namespace {

namespace fs = std::filesystem;

struct SlideshowRequest {
  std::string name;
  std::vector<fs::path> photos;
};

std::vector<SlideshowRequest> slideshow_requests(Arguments& args) {
  std::vector<SlideshowRequest> requests;
  for (const std::vector<std::string>& run : args.take_runs("--slideshow")) {
    if (run.size() < 2) throw UsageError{"--slideshow needs a name and at least one photo"};
    SlideshowRequest& request = requests.emplace_back();
    request.name = run.front();
    for (auto photo = run.begin() + 1; photo != run.end(); ++photo)
      request.photos.push_back(fs::absolute(*photo));
  }
  if (requests.empty()) throw UsageError{"name at least one --slideshow with its photos"};
  return requests;
}

// What new photos copy: the options given, the stored defaults for the rest.
void set_default_setting(Arguments& args, EffectRecord& effect) {
  if (const std::optional<std::string> category = args.take_value("--effect")) {
    effect.category = category_named(*category, "--effect");
  }
  if (const std::optional<std::string> transition = args.take_value("--transition")) {
    effect.set_transition(transition_template(*transition, "--transition"));
  }
  if (const std::optional<int> seconds = args.take_int("--display")) {
    effect.display_seconds = display_seconds_value(*seconds, "--display");
  }
  if (const std::optional<int> seconds = args.take_int("--tseconds")) {
    effect.transition_seconds = transition_seconds_value(*seconds, "--tseconds");
  }
}

}  // namespace

int run_new(Arguments& args) {
  const std::vector<SlideshowRequest> requests = slideshow_requests(args);
  std::vector<fs::path> music;
  for (const std::vector<std::string>& run : args.take_runs("--music")) {
    for (const std::string& file : run)
      music.push_back(fs::absolute(file));
  }
  ProjectSession session(ProjectSession::Mode::kProgram);
  Project& project = session.project();
  set_default_setting(args, project.default_setting.effect);
  const std::vector<std::string> positional = args.finish();
  if (positional.size() != 1) throw UsageError{"name one project file"};
  const fs::path file = fs::absolute(positional.front());
  std::error_code error;
  if (fs::exists(file, error)) {
    std::fprintf(stderr, "pictavo-cli new: %s exists; pictavo-cli edit changes it\n", file.c_str());
    return 1;
  }
  project.preferences.project_path = file;

  for (const SlideshowRequest& request : requests) {
    const int index = create_slideshow_with_photos(project, request.name, request.photos);
    if (index < 0) {
      std::fprintf(stderr,
                   "pictavo-cli new: slideshow \"%s\" was not made: its name is taken or empty, "
                   "or none of its photos is a picture\n",
                   request.name.c_str());
      return 1;
    }
    Slideshow& slideshow = *project.slideshows[static_cast<std::size_t>(index)];
    if (!music.empty()) {
      while (!slideshow.tracks.empty())
        slideshow.remove_track(0);
      for (const fs::path& track : music)
        slideshow.add_track(track, project.preferences);
    }
  }
  if (!session.save()) return 1;
  print_project(project);
  return 0;
}

}  // namespace pictavo::cli
