#include "base/xml_file.h"

#include <fstream>
#include <iterator>

#include "base/atomic_file.h"
#include "base/utf16.h"

namespace pictavo {

bool XmlFileText::is_complete() const {
  const auto minimum = static_cast<long long>(bytes_read / 2) - 20;
  return static_cast<long long>(text.size()) >= minimum;
}

std::optional<XmlFileText> read_xml_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;

  XmlFileText result;
  result.bytes_read = bytes.size();
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    std::optional<std::string> converted = utf16le_to_utf8(std::string_view(bytes).substr(2));
    if (!converted) return std::nullopt;
    result.text = std::move(*converted);
    result.was_utf16 = true;
  } else {
    result.text = std::move(bytes);
    if (const std::size_t nul = result.text.find('\0'); nul != std::string::npos) {
      result.text.resize(nul);
    }
  }
  return result;
}

bool write_xml_file(const std::filesystem::path& path, std::string_view text) {
  return write_file_atomically(path, text.substr(0, text.find('\0')));
}

}  // namespace pictavo
