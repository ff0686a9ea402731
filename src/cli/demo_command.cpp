#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "base/program_folder.h"
#include "cli/commands.h"
#include "cli/project_session.h"
#include "cli/video_making.h"
#include "effects/random_generator.h"
#include "model/photo_adding.h"

namespace pictavo::cli {
namespace {

namespace fs = std::filesystem;

// The seed of the demo's motions and transitions: every run draws the same ones,
// and the ten transitions that show are ten different ones.
constexpr std::uint32_t kDemoSeed = 24;

// The entries of `folder` that `keep` accepts, sorted by name.
template <typename Keep>
std::vector<fs::path> sorted_entries(const fs::path& folder, Keep keep) {
  std::vector<fs::path> entries;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (keep(entry)) entries.push_back(entry.path());
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

// Random motions and transitions for every photo, shown 3 s after 2 s transitions.
void use_random_effects(Project& project) {
  EffectRecord& effect = project.default_setting.effect;
  effect.category = ImageEffectCategory::kPanZoomRotate;
  effect.set_transition(make_transition(TransitionType::kRandom));
  effect.display_seconds = 3;
  effect.transition_seconds = 2;
}

}  // namespace

int run_demo(Arguments& args) {
  const std::optional<std::string> out = args.take_value("--out");
  if (!args.finish().empty()) throw UsageError{"takes no positional arguments"};

  // One slideshow per folder of sample photos, named after the folder.
  const fs::path samples = program_folder() / "sample_photos";
  const std::vector<fs::path> slideshows = sorted_entries(
      samples, [](const fs::directory_entry& entry) { return entry.is_directory(); });
  if (slideshows.empty()) {
    std::fprintf(stderr, "pictavo-cli demo: the sample photos are missing from %s\n",
                 samples.c_str());
    return 1;
  }

  ProjectSession session(ProjectSession::Mode::kProgram);
  Project& project = session.project();
  effect_random().seed(kDemoSeed);
  use_random_effects(project);
  for (const fs::path& folder : slideshows) {
    const std::vector<fs::path> photos = sorted_entries(
        folder, [](const fs::directory_entry& entry) { return entry.is_regular_file(); });
    if (create_slideshow_with_photos(project, folder.filename().string(), photos) < 0) {
      std::fprintf(stderr, "pictavo-cli demo: the sample photos in %s cannot be read\n",
                   folder.c_str());
      return 1;
    }
  }
  project.preferences.project_path = project.preferences.writable_folder / "demo.prg";
  if (!session.save()) return 1;
  std::printf("%s\n", project.preferences.project_path.c_str());
  const fs::path output = out ? fs::absolute(*out) : project.default_setting.output_folder;
  return make_project_videos("demo", project, output);
}

}  // namespace pictavo::cli
