#include "model/project.h"

#include "effects/random_generator.h"

namespace pictavo {

Project::Project(const std::filesystem::path& program_folder) : effect_set(program_folder) {
  preferences.program_folder = program_folder;
  seed_effect_random_with_time();
}

}  // namespace pictavo
