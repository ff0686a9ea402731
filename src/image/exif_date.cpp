#include "image/exif_date.h"

#include <libheif/heif.h>
#include <sys/stat.h>
#include <tiffio.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/byte_reader.h"
#include "image/codecs/tiff_memory.h"
#include "image/exif_block.h"

namespace pictavo {
namespace {

// Cameras put the EXIF block among the first segments of a JPEG, before its
// pictures' tables.
constexpr int kJpegSegmentsSearched = 16;
// PNG and WebP keep EXIF in a chunk of their own, before or after the picture's
// data; the walk seeks past every other chunk, up to so many of them.
constexpr int kChunksSearched = 100000;
// An APP1 segment's limit, which other containers' blocks keep to as well.
constexpr std::uint32_t kLargestExifBlock = 0x10000;

constexpr std::uint8_t kExifHeader[] = {'E', 'x', 'i', 'f', 0, 0};

bool starts_with_exif_header(std::span<const std::uint8_t> bytes) {
  return bytes.size() > sizeof kExifHeader &&
         std::equal(std::begin(kExifHeader), std::end(kExifHeader), bytes.begin());
}

// "YYYY:MM:DD HH:MM:SS" as EXIF writes it; unknown parts are blanks or zeros.
std::optional<CalendarDate> parse_exif_date(std::string_view text) {
  if (text.size() < 10 || text[4] != ':' || text[7] != ':') return std::nullopt;
  const auto number = [&](std::size_t at, std::size_t digits) {
    int value = 0;
    for (std::size_t i = at; i < at + digits; ++i) {
      if (text[i] < '0' || text[i] > '9') return -1;
      value = value * 10 + (text[i] - '0');
    }
    return value;
  };
  const CalendarDate date{number(0, 4), number(5, 2), number(8, 2)};
  if (!is_calendar_day(date)) return std::nullopt;
  return date;
}

std::optional<CalendarDate> parse_exif_date(const ExifEntry* entry) {
  if (entry == nullptr || entry->format != EXIF_FORMAT_ASCII || entry->data == nullptr)
    return std::nullopt;
  return parse_exif_date(std::string_view(reinterpret_cast<const char*>(entry->data), entry->size));
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

// EXIF data as PNG, WebP and HEIF store it: the TIFF structure without JPEG's
// "Exif\0\0" in front, which some writers keep all the same.
std::optional<CalendarDate> tiff_structure_date_taken(std::span<const std::uint8_t> bytes) {
  if (starts_with_exif_header(bytes)) return exif_date_taken(bytes);
  std::vector<std::uint8_t> block(std::begin(kExifHeader), std::end(kExifHeader));
  block.insert(block.end(), bytes.begin(), bytes.end());
  return exif_date_taken(block);
}

// Reads `length` bytes of EXIF data in the TIFF structure from where the stream is.
std::optional<CalendarDate> read_tiff_structure(std::FILE* stream, std::uint32_t length) {
  if (length > kLargestExifBlock) return std::nullopt;
  std::vector<std::uint8_t> bytes(length);
  if (std::fread(bytes.data(), 1, bytes.size(), stream) != bytes.size()) return std::nullopt;
  return tiff_structure_date_taken(bytes);
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
  if (size < 4 || size > kLargestExifBlock + 4) return std::nullopt;
  std::vector<std::uint8_t> item(size);
  if (heif_image_handle_get_metadata(primary, id, item.data()).code != heif_error_Ok)
    return std::nullopt;
  const std::size_t offset = 4 + std::size_t{ByteReader(item).u32be()};
  if (offset >= size) return std::nullopt;
  return tiff_structure_date_taken(std::span(item).subspan(offset));
}

// Walks the JPEG's segments from just after its start marker to the APP1 block
// that holds EXIF, reading only that block.
std::optional<CalendarDate> jpeg_date_taken(std::FILE* stream) {
  if (std::fseek(stream, 2, SEEK_SET) != 0) return std::nullopt;
  for (int segment = 0; segment < kJpegSegmentsSearched; ++segment) {
    std::uint8_t marker[4];
    if (std::fread(marker, 1, sizeof marker, stream) != sizeof marker || marker[0] != 0xFF)
      return std::nullopt;
    const long length = ByteReader(marker, 2).u16be();
    // Past the application and comment segments come the picture's own.
    const bool application = (marker[1] >= 0xE0 && marker[1] <= 0xEF) || marker[1] == 0xFE;
    if (!application || length < 2) return std::nullopt;
    if (marker[1] == 0xE1) {
      std::vector<std::uint8_t> block(static_cast<std::size_t>(length - 2));
      if (std::fread(block.data(), 1, block.size(), stream) != block.size()) return std::nullopt;
      if (starts_with_exif_header(block)) return exif_date_taken(block);
    } else if (std::fseek(stream, length - 2, SEEK_CUR) != 0) {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

// The 8 bytes before a chunk's data, and how many follow the data.
struct ChunkHead {
  std::string_view type;
  std::uint32_t length = 0;
  std::uint32_t trailer = 0;
};

// PNG: a big-endian length, the type, the data and a CRC.
ChunkHead png_chunk(const std::uint8_t* head) {
  return {std::string_view(reinterpret_cast<const char*>(head + 4), 4),
          ByteReader(std::span(head, 8)).u32be(), 4};
}

// WebP's RIFF: the type, a little-endian length and the data, padded to an even length.
ChunkHead riff_chunk(const std::uint8_t* head) {
  const std::uint32_t length = ByteReader(std::span(head, 8), 4).u32le();
  return {std::string_view(reinterpret_cast<const char*>(head), 4), length, length & 1};
}

// Walks the chunks from `first` to the one of type `exif_type`, seeking past the rest.
std::optional<CalendarDate> chunk_date_taken(std::FILE* stream, long first,
                                             std::string_view exif_type,
                                             ChunkHead (*read_head)(const std::uint8_t*)) {
  if (std::fseek(stream, first, SEEK_SET) != 0) return std::nullopt;
  for (int chunk = 0; chunk < kChunksSearched; ++chunk) {
    std::uint8_t head[8];
    if (std::fread(head, 1, sizeof head, stream) != sizeof head) break;
    const ChunkHead found = read_head(head);
    if (found.type == exif_type) return read_tiff_structure(stream, found.length);
    if (std::fseek(stream, long{found.length} + found.trailer, SEEK_CUR) != 0) break;
  }
  return std::nullopt;
}

// A TIFF file is itself the structure EXIF borrows; libtiff follows its pointer
// to the EXIF directory wherever in the file that lies.
std::optional<CalendarDate> tiff_date_taken(std::FILE* stream) {
  struct ::stat status {};
  if (::fstat(::fileno(stream), &status) != 0) return std::nullopt;
  const FileInput file{::fileno(stream), static_cast<std::size_t>(status.st_size)};
  codecs::TiffMemory memory;
  memory.file = &file;
  const codecs::TiffFile tif = codecs::open_tiff(memory, "r");
  toff_t exif_directory = 0;
  if (!tif || TIFFGetField(tif.get(), TIFFTAG_EXIFIFD, &exif_directory) != 1 ||
      !TIFFReadEXIFDirectory(tif.get(), exif_directory))
    return std::nullopt;
  for (const ttag_t tag : {EXIFTAG_DATETIMEORIGINAL, EXIFTAG_DATETIMEDIGITIZED}) {
    const char* text = nullptr;
    if (TIFFGetField(tif.get(), tag, &text) == 1 && text != nullptr) {
      if (std::optional<CalendarDate> date = parse_exif_date(std::string_view(text))) return date;
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
  const std::string_view text(reinterpret_cast<const char*>(head), sizeof head);
  if (text.starts_with("\xFF\xD8")) return jpeg_date_taken(stream.get());
  // An ISO media file: "ftyp" at offset 4.
  if (text.substr(4, 4) == "ftyp") return heif_date_taken(file);
  if (text.starts_with("\x89PNG\r\n\x1A\n"))
    return chunk_date_taken(stream.get(), 8, "eXIf", png_chunk);
  if (text.starts_with("RIFF") && text.substr(8, 4) == "WEBP")
    return chunk_date_taken(stream.get(), 12, "EXIF", riff_chunk);
  if (text.starts_with("II*\0") || text.starts_with("MM\0*")) return tiff_date_taken(stream.get());
  return std::nullopt;
}

}  // namespace pictavo
