#include "image/image_limits.h"

namespace pictavo {

std::string image_size_refusal(std::int64_t width, std::int64_t height) {
  if (width <= 0 || height <= 0) {
    return "the picture has no pixels (" + std::to_string(width) + " x " + std::to_string(height) +
           ")";
  }
  if (width > kMaxImageDimension || height > kMaxImageDimension) {
    return "the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) +
           " pixels; at most " + std::to_string(kMaxImageDimension) + " a side)";
  }
  if (width * height > kMaxImagePixels) {
    return "the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) +
           " pixels; at most " + std::to_string(kMaxImagePixels / 1'000'000) + " million)";
  }
  return {};
}

}  // namespace pictavo
