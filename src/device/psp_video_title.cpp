#include "device/psp_video_title.h"

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

std::uint32_t big_endian(const std::uint8_t* bytes, int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i)
    value = value << 8 | bytes[i];
  return value;
}

struct Box {
  char type[4];
  std::uint64_t payload_offset;  // from the start of what was searched
  std::uint64_t payload_size;
};

// The boxes laid one after the other in `bytes`, stopping at the first that does
// not fit.
template <typename Visit>
void for_each_box(const std::string& bytes, Visit&& visit) {
  std::uint64_t offset = 0;
  while (offset + 8 <= bytes.size()) {
    const auto* at = reinterpret_cast<const std::uint8_t*>(bytes.data()) + offset;
    std::uint64_t size = big_endian(at, 4);
    std::uint64_t header = 8;
    if (size == 1 && offset + 16 <= bytes.size()) {
      size = std::uint64_t{big_endian(at + 8, 4)} << 32 | big_endian(at + 12, 4);
      header = 16;
    } else if (size == 0) {
      size = bytes.size() - offset;
    }
    if (size < header || size > bytes.size() - offset) return;
    Box box{};
    std::memcpy(box.type, at + 4, 4);
    box.payload_offset = offset + header;
    box.payload_size = size - header;
    if (!visit(box)) return;
    offset += size;
  }
}

// The title entry of an MTDT table: entries of a 16-bit size, a 32-bit type, a
// language, a 16-bit flag and the UTF-16BE text with its terminating zero.
std::optional<std::string> title_entry(std::string_view table) {
  if (table.size() < 2) return std::nullopt;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(table.data());
  std::size_t offset = 2;
  for (std::uint32_t count = big_endian(bytes, 2); count > 0; --count) {
    if (offset + 10 > table.size()) return std::nullopt;
    const std::uint32_t size = big_endian(bytes + offset, 2);
    if (size < 10 || offset + size > table.size()) return std::nullopt;
    if (big_endian(bytes + offset + 2, 4) == kTitleEntry) {
      std::string little_endian;
      for (std::size_t i = offset + 10; i + 1 < offset + size; i += 2) {
        if (bytes[i] == 0 && bytes[i + 1] == 0) break;
        little_endian += static_cast<char>(bytes[i + 1]);
        little_endian += static_cast<char>(bytes[i]);
      }
      return utf16le_to_utf8(little_endian).text;
    }
    offset += size;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> psp_video_title(const std::filesystem::path& video) {
  std::error_code error;
  const std::uint64_t length = std::filesystem::file_size(video, error);
  if (error) return std::nullopt;
  std::ifstream in(video, std::ios::binary);
  std::uint8_t header[16];
  // Walks the top-level boxes by their headers only, to the movie box; a box that
  // claims to reach past the end ends the walk.
  for (std::uint64_t offset = 0; in.read(reinterpret_cast<char*>(header), 8);) {
    std::uint64_t size = big_endian(header, 4);
    std::uint64_t header_size = 8;
    if (size == 1) {
      if (!in.read(reinterpret_cast<char*>(header) + 8, 8)) return std::nullopt;
      size = std::uint64_t{big_endian(header + 8, 4)} << 32 | big_endian(header + 12, 4);
      header_size = 16;
    }
    if (size < header_size || size > length - offset) return std::nullopt;
    offset += size;
    if (std::memcmp(header + 4, "moov", 4) != 0) {
      in.seekg(static_cast<std::streamoff>(offset));
      continue;
    }
    if (size - header_size > kLargestMovieBox) return std::nullopt;
    std::string movie(size - header_size, '\0');
    if (!in.read(movie.data(), static_cast<std::streamsize>(movie.size()))) return std::nullopt;
    std::optional<std::string> title;
    for_each_box(movie, [&](const Box& box) {
      const std::string_view payload(movie.data() + box.payload_offset, box.payload_size);
      if (std::memcmp(box.type, "uuid", 4) != 0 || payload.size() < 16 ||
          std::memcmp(payload.data(), kUsmt.data(), 16) != 0)
        return true;
      for_each_box(std::string(payload.substr(16)), [&](const Box& inner) {
        if (std::memcmp(inner.type, "MTDT", 4) == 0) {
          title = title_entry(payload.substr(16 + inner.payload_offset, inner.payload_size));
        }
        return !title;
      });
      return !title;
    });
    return title;
  }
  return std::nullopt;
}

}  // namespace pictavo
