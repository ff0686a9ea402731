// Decodes arbitrary bytes as WebP.
#include "image_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return pictavo::fuzz::fuzz_pictures({pictavo::ImageFormat::kWebp}, data, size);
}
