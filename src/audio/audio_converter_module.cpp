#include "audio/audio_converter_module.h"

#include "audioconv/xtomp2.h"
#include "base/program_folder.h"

namespace pictavo {

Result<SharedModule> load_audio_converter_module() {
  return SharedModule::load(program_folder() / kAudioConverterModule);
}

int track_seconds(const std::filesystem::path& path) {
  const Result<SharedModule> module = load_audio_converter_module();
  if (!module) return 1;
  auto* length = module->entry<int(const char*)>("GetFileTimeLength");
  if (length == nullptr) return 0;
  return length(path.c_str());
}

std::string converter_failure_text(int code) {
  switch (code) {
    case XTOMP2_OK:
      return "no failure";
    case XTOMP2_STOPPED:
      return "the conversion was stopped";
    case XTOMP2_BAD_INPUT:
      return "the file is missing, cannot be read or holds no sound";
    case XTOMP2_BAD_OUTPUT:
      return "its converted copy cannot be written";
    case XTOMP2_CODEC_FAILED:
      return "the MP2 encoder failed";
    default:
      return "the converter failed with code " + std::to_string(code);
  }
}

}  // namespace pictavo
