#include "support/test_modules.h"

namespace pictavo::test {

std::filesystem::path fake_audio_converter_module() {
  return PICTAVO_TEST_FAKE_AUDIO_CONVERTER;
}

std::filesystem::path fake_encoder_module() {
  return PICTAVO_TEST_FAKE_ENCODER;
}

std::filesystem::path module_without_entries() {
  return PICTAVO_TEST_MODULE_WITHOUT_ENTRIES;
}

}  // namespace pictavo::test
