#include "device/psp_video_title.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <system_error>

#include "base/utf16.h"

namespace pictavo {
namespace {

// The user type of the PSP's metadata box, after the "uuid" box type.
constexpr std::array<std::uint8_t, 16> kUsmt = {0x55, 0x53, 0x4d, 0x54, 0x21, 0xd2, 0x4f, 0xce,
                                                0xbb, 0x88, 0x69, 0x5c, 0xfa, 0xc9, 0xc7, 0x40};
constexpr std::uint32_t kTitleEntry = 1;
constexpr std::uint64_t kLargestMovieBox = 64 << 20;
constexpr std::size_t kLongestBoxHeader = 16;

std::uint64_t big_endian(std::string_view bytes) {
  std::uint64_t value = 0;
  for (const char byte : bytes)
    value = value << 8 | static_cast<std::uint8_t>(byte);
  return value;
}

struct Box {
  std::string_view type;  // into the header it was read from
  std::uint64_t header_size = 0;
  std::uint64_t size = 0;  // with the header
};

// The box whose header starts `header` (its first 16 bytes, or fewer when `room`,
// what is left of the file or of the enclosing box, holds fewer). Nothing when the
// header is cut or the box claims to reach past `room`. A size of 0 means "up to
// the end", a size of 1 a 64-bit size after the type.
std::optional<Box> read_box(std::string_view header, std::uint64_t room) {
  if (header.size() < 8) return std::nullopt;
  Box box{.type = header.substr(4, 4), .header_size = 8, .size = big_endian(header.substr(0, 4))};
  if (box.size == 1) {
    if (header.size() < 16) return std::nullopt;
    box.size = big_endian(header.substr(8, 8));
    box.header_size = 16;
  } else if (box.size == 0) {
    box.size = room;
  }
  if (box.size < box.header_size || box.size > room) return std::nullopt;
  return box;
}

// Visits the boxes laid one after the other in `bytes` with their payloads,
// stopping at the first that does not fit or when `visit` returns false.
template <typename Visit>
void for_each_box(std::string_view bytes, Visit&& visit) {
  for (std::size_t offset = 0; offset < bytes.size();) {
    const std::optional<Box> box =
        read_box(bytes.substr(offset, kLongestBoxHeader), bytes.size() - offset);
    if (!box) return;
    const std::string_view payload =
        bytes.substr(offset + box->header_size, box->size - box->header_size);
    if (!visit(*box, payload)) return;
    offset += box->size;
  }
}

// The title entry of an MTDT table: entries of a 16-bit size, a 32-bit type, a
// language, a 16-bit flag and the UTF-16BE text with its terminating zero.
std::optional<std::string> title_entry(std::string_view table) {
  if (table.size() < 2) return std::nullopt;
  std::size_t offset = 2;
  for (std::uint64_t count = big_endian(table.substr(0, 2)); count > 0; --count) {
    if (table.size() - offset < 10) return std::nullopt;
    const std::size_t size = big_endian(table.substr(offset, 2));
    if (size < 10 || size > table.size() - offset) return std::nullopt;
    if (big_endian(table.substr(offset + 2, 4)) == kTitleEntry) {
      const std::string_view text = table.substr(offset + 10, size - 10);
      std::string little_endian;
      for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        little_endian += text[i + 1];
        little_endian += text[i];
      }
      return utf16le_to_utf8(little_endian).text;
    }
    offset += size;
  }
  return std::nullopt;
}

std::optional<std::string> title_in_movie(std::string_view movie) {
  std::optional<std::string> title;
  for_each_box(movie, [&](const Box& box, std::string_view payload) {
    if (box.type != "uuid" || payload.size() < kUsmt.size() ||
        std::memcmp(payload.data(), kUsmt.data(), kUsmt.size()) != 0)
      return true;
    for_each_box(payload.substr(kUsmt.size()), [&](const Box& inner, std::string_view table) {
      if (inner.type == "MTDT") title = title_entry(table);
      return !title;
    });
    return !title;
  });
  return title;
}

// Walks the top-level boxes of a file of `length` bytes by their headers only, to
// the movie box, which alone is read whole. `read_at(offset, into, count)` reads
// bytes of the file and is false when it cannot read them all.
template <typename ReadAt>
std::optional<std::string> title_in_file(std::uint64_t length, ReadAt&& read_at) {
  char header[kLongestBoxHeader];
  for (std::uint64_t offset = 0; offset < length;) {
    const std::size_t got =
        static_cast<std::size_t>(std::min<std::uint64_t>(length - offset, sizeof header));
    if (!read_at(offset, header, got)) return std::nullopt;
    const std::optional<Box> box = read_box(std::string_view(header, got), length - offset);
    if (!box) return std::nullopt;
    if (box->type == "moov") {
      if (box->size - box->header_size > kLargestMovieBox) return std::nullopt;
      std::string movie(box->size - box->header_size, '\0');
      if (!read_at(offset + box->header_size, movie.data(), movie.size())) return std::nullopt;
      return title_in_movie(movie);
    }
    offset += box->size;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> psp_video_title(const std::filesystem::path& video) {
  std::error_code error;
  const std::uint64_t length = std::filesystem::file_size(video, error);
  if (error) return std::nullopt;
  std::ifstream in(video, std::ios::binary);
  return title_in_file(length, [&in](std::uint64_t offset, char* into, std::size_t count) {
    return static_cast<bool>(in.seekg(static_cast<std::streamoff>(offset)) &&
                             in.read(into, static_cast<std::streamsize>(count)));
  });
}

std::optional<std::string> psp_video_title_in_bytes(std::string_view file) {
  return title_in_file(file.size(), [file](std::uint64_t offset, char* into, std::size_t count) {
    if (offset > file.size() || count > file.size() - offset) return false;
    std::memcpy(into, file.data() + offset, count);
    return true;
  });
}

}  // namespace pictavo
