#include "video/audio_converter_module.h"

#include "model/program_folder.h"

namespace pictavo {

std::optional<SharedModule> load_audio_converter_module(std::string& error) {
  return SharedModule::load(program_folder() / kAudioConverterModule, error);
}

int track_seconds(const std::filesystem::path& path) {
  std::string error;
  const std::optional<SharedModule> module = load_audio_converter_module(error);
  if (!module) return 1;
  auto* length = module->entry<int(const char*)>("GetFileTimeLength");
  if (length == nullptr) return 0;
  return length(path.c_str());
}

}  // namespace pictavo
