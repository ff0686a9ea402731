// Decodes arbitrary bytes as JPEG 2000 (JP2 files and bare codestreams).
#include "image_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return pictavo::fuzz::fuzz_pictures({pictavo::ImageFormat::kJp2, pictavo::ImageFormat::kJpc},
                                      data, size);
}
