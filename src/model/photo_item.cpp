#include "model/photo_item.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>

#include "image/exif_date.h"
#include "model/file_type_name.h"

namespace pictavo {
namespace {

struct FileFacts {
  std::chrono::system_clock::time_point created;
  std::uintmax_t size = 0;
};

std::chrono::system_clock::time_point to_time_point(const struct statx_timestamp& stamp) {
  return std::chrono::system_clock::time_point(
      std::chrono::duration_cast<std::chrono::system_clock::duration>(
          std::chrono::seconds(stamp.tv_sec) + std::chrono::nanoseconds(stamp.tv_nsec)));
}

FileFacts examine(const std::filesystem::path& path) {
  struct statx facts {};
  if (::statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME | STATX_MTIME | STATX_SIZE, &facts) != 0) {
    return {};
  }
  const bool has_birth = (facts.stx_mask & STATX_BTIME) != 0;
  return {to_time_point(has_birth ? facts.stx_btime : facts.stx_mtime), facts.stx_size};
}

}  // namespace

std::string file_size_text(std::uintmax_t bytes) {
  constexpr std::uintmax_t kKiB = 1024;
  constexpr std::uintmax_t kMiB = kKiB * 1024;
  constexpr std::uintmax_t kGiB = kMiB * 1024;
  char text[48];
  if (bytes >= kGiB) {
    const std::uintmax_t tenths = bytes / (kGiB / 10);
    std::snprintf(text, sizeof text, "%ju.%juGB", tenths / 10, tenths % 10);
  } else if (bytes > kMiB) {
    std::snprintf(text, sizeof text, "%juMB", bytes / kMiB);
  } else if (bytes > kKiB) {
    std::snprintf(text, sizeof text, "%juKB", bytes / kKiB);
  } else {
    std::snprintf(text, sizeof text, "%dKB", bytes == 0 ? 0 : 1);
  }
  return text;
}

PhotoItem::PhotoItem(const std::filesystem::path& path, const PhotoSetting& given)
    : source_path(path),
      prepared_path(path),
      file_name(path.filename().string()),
      type_name(file_type_name(path)) {
  const FileFacts facts = examine(path);
  created = facts.created;
  file_size = facts.size;
  size_text = file_size_text(file_size);
  date_taken = read_date_taken(path);
  setting.copy_from(given);
}

PhotoItem::PhotoItem(const std::filesystem::path& path, const PhotoSetting& given, Thumbnail ready)
    : PhotoItem(path, given) {
  thumbnail = std::move(ready);
}

void PhotoItem::reroot_prepared(const std::filesystem::path& folder) {
  if (prepared_path != source_path) prepared_path = folder / prepared_path.filename();
}

}  // namespace pictavo
