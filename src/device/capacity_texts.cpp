#include "device/capacity_texts.h"

#include <cstdio>

namespace pictavo {
namespace {

std::string size_text(const char* what, std::uint64_t bytes) {
  constexpr std::uint64_t kGigabyte = 1ULL << 30;
  constexpr std::uint64_t kMegabyte = 1ULL << 20;
  double value = 0;
  const char* unit = "KB";
  if (bytes > kGigabyte) {
    value = static_cast<double>(bytes >> 20) / 1024;
    unit = "GB";
  } else if (bytes > kMegabyte) {
    value = static_cast<double>(bytes >> 10) / 1024;
    unit = "MB";
  } else {
    value = static_cast<double>(bytes) / 1024;
  }
  char text[64];
  std::snprintf(text, sizeof text, "%s: %2.2f %s", what, value, unit);
  return text;
}

}  // namespace

CapacityTexts capacity_texts(std::uint64_t total_bytes, std::uint64_t free_bytes) {
  const std::uint64_t used = total_bytes > free_bytes ? total_bytes - free_bytes : 0;
  return {size_text("Capacity", total_bytes), size_text("Used", used),
          size_text("Free", free_bytes)};
}

}  // namespace pictavo
