#pragma once

#include <cstdint>
#include <string>

namespace pictavo {

// The largest picture any decoder or operation allocates. A file that claims more
// is refused before anything is allocated for it. The fuzz build lowers the pixel
// limit so that lying headers are refused quickly instead of filling the memory.
#ifdef PICTAVO_IMAGE_PIXEL_LIMIT
inline constexpr std::int64_t kMaxImagePixels = PICTAVO_IMAGE_PIXEL_LIMIT;
#else
inline constexpr std::int64_t kMaxImagePixels = 200'000'000;
#endif
inline constexpr std::int64_t kMaxImageDimension = 65535;

// Empty when a width × height picture may be allocated, otherwise why not.
std::string image_size_refusal(std::int64_t width, std::int64_t height);

}  // namespace pictavo
