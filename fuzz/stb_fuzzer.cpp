// Decodes arbitrary bytes as PNM or TGA, the formats stb_image decodes.
#include "image_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return pictavo::fuzz::fuzz_pictures({pictavo::ImageFormat::kPnm, pictavo::ImageFormat::kTga},
                                      data, size);
}
