// Decodes arbitrary bytes as TIFF pages.
#include "image_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return pictavo::fuzz::fuzz_pictures({pictavo::ImageFormat::kTiff}, data, size);
}
