// Decodes arbitrary bytes as BMP, whose reader is the project's own.
#include "image_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return pictavo::fuzz::fuzz_pictures({pictavo::ImageFormat::kBmp}, data, size);
}
