#include "image/exif_date.h"

#include <libheif/heif.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "image/exif_block.h"

namespace pictavo {
namespace {

// Cameras put the EXIF block among the first segments of a JPEG, before its
// pictures' tables.
constexpr int kJpegSegmentsSearched = 16;

// "YYYY:MM:DD HH:MM:SS" as EXIF writes it; unknown parts are blanks or zeros.
std::optional<CalendarDate> parse_exif_date(const ExifEntry* entry) {
  if (entry == nullptr || entry->format != EXIF_FORMAT_ASCII || entry->data == nullptr ||
      entry->size < 10)
    return std::nullopt;
  const std::string text(reinterpret_cast<const char*>(entry->data), 10);
  const auto number = [&](std::size_t at, std::size_t digits) {
    int value = 0;
    for (std::size_t i = at; i < at + digits; ++i) {
      if (text[i] < '0' || text[i] > '9') return -1;
      value = value * 10 + (text[i] - '0');
    }
    return value;
  };
  if (text[4] != ':' || text[7] != ':') return std::nullopt;
  const CalendarDate date{number(0, 4), number(5, 2), number(8, 2)};
  if (!is_calendar_day(date)) return std::nullopt;
  return date;
}

std::optional<CalendarDate> date_of(const ExifData* data) {
  if (data == nullptr) return std::nullopt;
  for (const ExifTag tag : {EXIF_TAG_DATE_TIME_ORIGINAL, EXIF_TAG_DATE_TIME_DIGITIZED}) {
    if (std::optional<CalendarDate> date =
            parse_exif_date(exif_content_get_entry(data->ifd[EXIF_IFD_EXIF], tag)))
      return date;
  }
  return std::nullopt;
}

struct ContextFree {
  void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleRelease {
  void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};

// A HEIF Exif item is a 4-byte offset to the TIFF header, then the block.
std::optional<CalendarDate> heif_date_taken(const std::filesystem::path& file) {
  const std::unique_ptr<heif_context, ContextFree> context(heif_context_alloc());
  if (!context ||
      heif_context_read_from_file(context.get(), file.c_str(), nullptr).code != heif_error_Ok)
    return std::nullopt;
  heif_image_handle* primary = nullptr;
  if (heif_context_get_primary_image_handle(context.get(), &primary).code != heif_error_Ok)
    return std::nullopt;
  const std::unique_ptr<heif_image_handle, HandleRelease> handle(primary);
  heif_item_id id = 0;
  if (heif_image_handle_get_list_of_metadata_block_IDs(primary, "Exif", &id, 1) < 1)
    return std::nullopt;
  const std::size_t size = heif_image_handle_get_metadata_size(primary, id);
  if (size < 4 || size > 0x10000 + 4) return std::nullopt;
  std::vector<std::uint8_t> item(size);
  if (heif_image_handle_get_metadata(primary, id, item.data()).code != heif_error_Ok)
    return std::nullopt;
  const std::size_t offset = 4 + ((std::size_t{item[0]} << 24) | (std::size_t{item[1]} << 16) |
                                  (std::size_t{item[2]} << 8) | item[3]);
  if (offset >= size) return std::nullopt;
  std::vector<std::uint8_t> block = {'E', 'x', 'i', 'f', 0, 0};
  block.insert(block.end(), item.begin() + static_cast<std::ptrdiff_t>(offset), item.end());
  return exif_date_taken(block);
}

// Walks the JPEG's segments from just after its start marker to the APP1 block
// that holds EXIF, reading only that block.
std::optional<CalendarDate> jpeg_date_taken(std::FILE* stream) {
  if (std::fseek(stream, 2, SEEK_SET) != 0) return std::nullopt;
  for (int segment = 0; segment < kJpegSegmentsSearched; ++segment) {
    std::uint8_t marker[4];
    if (std::fread(marker, 1, sizeof marker, stream) != sizeof marker || marker[0] != 0xFF)
      return std::nullopt;
    const long length = (long{marker[2]} << 8) | marker[3];
    // Past the application and comment segments come the picture's own.
    const bool application = (marker[1] >= 0xE0 && marker[1] <= 0xEF) || marker[1] == 0xFE;
    if (!application || length < 2) return std::nullopt;
    if (marker[1] == 0xE1) {
      std::vector<std::uint8_t> block(static_cast<std::size_t>(length - 2));
      if (std::fread(block.data(), 1, block.size(), stream) != block.size()) return std::nullopt;
      static constexpr std::uint8_t kExifHeader[] = {'E', 'x', 'i', 'f', 0, 0};
      if (block.size() > sizeof kExifHeader &&
          std::equal(std::begin(kExifHeader), std::end(kExifHeader), block.begin()))
        return exif_date_taken(block);
    } else if (std::fseek(stream, length - 2, SEEK_CUR) != 0) {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<CalendarDate> exif_date_taken(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return std::nullopt;
  return date_of(read_exif_block(bytes).get());
}

std::optional<CalendarDate> read_date_taken(const std::filesystem::path& file) {
  const std::unique_ptr<std::FILE, decltype(&std::fclose)> stream(std::fopen(file.c_str(), "rb"),
                                                                  &std::fclose);
  if (!stream) return std::nullopt;
  std::uint8_t head[12];
  if (std::fread(head, 1, sizeof head, stream.get()) != sizeof head) return std::nullopt;
  if (head[0] == 0xFF && head[1] == 0xD8) return jpeg_date_taken(stream.get());
  // An ISO media file: "ftyp" at offset 4.
  if (head[4] == 'f' && head[5] == 't' && head[6] == 'y' && head[7] == 'p')
    return heif_date_taken(file);
  return std::nullopt;
}

}  // namespace pictavo
