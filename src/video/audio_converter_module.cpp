#include "video/audio_converter_module.h"

#include <string>

#include "model/program_folder.h"
#include "video/shared_module.h"

namespace pictavo {

int track_seconds(const std::filesystem::path& path) {
  std::string error;
  const std::optional<SharedModule> module =
      SharedModule::load(program_folder() / kAudioConverterModule, error);
  if (!module) return 1;
  auto* length = module->entry<int(const char*)>("GetFileTimeLength");
  if (length == nullptr) return 0;
  return length(path.c_str());
}

}  // namespace pictavo
