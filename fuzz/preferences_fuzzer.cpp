// Loads arbitrary bytes as the preferences file. A file that is read is written
// back, and what was written must read back whole with the same values: the
// stored values survive any text they hold. The values in use are within what
// the program works with, whatever the file said.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "fuzz_support.h"
#include "model/photo_durations.h"
#include "model/preferences_file.h"
#include "model/project.h"

namespace {

namespace fs = std::filesystem;

using pictavo::fuzz::require;
using pictavo::fuzz::scratch_folder;

void prepare(pictavo::Project& project) {
  project.preferences.set_program_folder("/opt/pictavo", scratch_folder());
  project.default_setting.output_folder = "/opt/pictavo/Project_1/Output";
}

void require_same_values(const pictavo::Project& a, const pictavo::Project& b) {
  const pictavo::Preferences& x = a.preferences;
  const pictavo::Preferences& y = b.preferences;
  require(x.aspect_ratio == y.aspect_ratio && x.fd_search_path == y.fd_search_path &&
          x.use_nation == y.use_nation && x.nation_name == y.nation_name &&
          x.nation_tv_format == y.nation_tv_format && x.tv_format == y.tv_format &&
          x.loop_audio == y.loop_audio && x.random_image_effect == y.random_image_effect &&
          x.random_transition == y.random_transition && x.default_image == y.default_image);
  require(a.default_setting.tv_system == b.default_setting.tv_system);
  require(a.default_setting.effect.transition_seconds ==
          b.default_setting.effect.transition_seconds);
  require(a.default_setting.effect.display_seconds == b.default_setting.effect.display_seconds);
  for (int index = 0; index < pictavo::EffectSet::kSize; ++index) {
    require(a.effect_set.template_at(index)->type() == b.effect_set.template_at(index)->type());
    require(a.effect_set.template_at(index)->values() == b.effect_set.template_at(index)->values());
  }
}

void require_usable(const pictavo::Project& project) {
  const pictavo::EffectRecord& effect = project.default_setting.effect;
  require(project.default_setting.tv_system == 0 || project.default_setting.tv_system == 1);
  require(project.preferences.aspect_ratio == 0 || project.preferences.aspect_ratio == 1);
  require(effect.display_seconds >= pictavo::kMinDisplaySeconds &&
          effect.display_seconds <= pictavo::kMaxDisplaySeconds);
  require(effect.transition_seconds >= pictavo::kMinTransitionSeconds &&
          effect.transition_seconds <= pictavo::kMaxTransitionSeconds);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pictavo::Project first("/opt/pictavo");
  prepare(first);
  {
    std::ofstream out(first.preferences.preferences_path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  if (pictavo::load_preferences(first) != 0) return 0;
  require_usable(first);

  pictavo::Project second("/opt/pictavo");
  prepare(second);
  require(pictavo::load_preferences(second) == 0);
  require(second.preferences.start_count == first.preferences.start_count + 1 ||
          second.preferences.start_count == 3);
  require_same_values(first, second);
  return 0;
}
