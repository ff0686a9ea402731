#include "device/mp4_brands.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

#include "base/byte_reader.h"

namespace pictavo {
namespace {

constexpr std::size_t kBrandSize = 4;
// Far more brands than any file lists.
constexpr std::uint32_t kLargestBox = 1024;

// Four characters; a byte that is none shows as '?'.
std::string brand(ByteReader& reader) {
  std::string text;
  for (const std::uint8_t byte : reader.take(kBrandSize))
    text += byte >= 0x20 && byte < 0x7F ? static_cast<char>(byte) : '?';
  return text;
}

}  // namespace

bool Mp4Brands::has(const std::string& brand) const {
  return major == brand ||
         std::find(compatible.begin(), compatible.end(), brand) != compatible.end();
}

Result<Mp4Brands> read_mp4_brands(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<std::uint8_t> box(kLargestBox);
  in.read(reinterpret_cast<char*>(box.data()), static_cast<std::streamsize>(box.size()));
  box.resize(static_cast<std::size_t>(in.gcount()));
  ByteReader reader(box);
  const std::uint32_t size = reader.u32be();
  if (!reader.ok() || brand(reader) != "ftyp" || size < 16 || size > kLargestBox || size % 4 != 0)
    return Failure{"does not start with the file type box of an MP4 file"};
  if (size > box.size()) return Failure{"is cut short in its file type box"};
  Mp4Brands brands;
  brands.major = brand(reader);
  reader.skip(4);  // minor version
  while (reader.offset() < size)
    brands.compatible.push_back(brand(reader));
  return brands;
}

}  // namespace pictavo
