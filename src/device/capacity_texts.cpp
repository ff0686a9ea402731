#include "device/capacity_texts.h"

#include <cstdio>

#include "base/translation_mark.h"

namespace pictavo {
namespace {

UserText size_text(const char* what, std::uint64_t bytes) {
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
  char size[64];
  std::snprintf(size, sizeof size, "%2.2f %s", value, unit);
  return UserText::marked(what, {std::string(size)});
}

}  // namespace

CapacityTexts capacity_texts(std::uint64_t total_bytes, std::uint64_t free_bytes) {
  const std::uint64_t used = total_bytes > free_bytes ? total_bytes - free_bytes : 0;
  return {size_text(QT_TRANSLATE_NOOP("Engine", "Capacity: %1"), total_bytes),
          size_text(QT_TRANSLATE_NOOP("Engine", "Used: %1"), used),
          size_text(QT_TRANSLATE_NOOP("Engine", "Free: %1"), free_bytes)};
}

}  // namespace pictavo
