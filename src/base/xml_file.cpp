#include "base/xml_file.h"

#include <fstream>
#include <iterator>
#include <string>

#include "base/atomic_file.h"
#include "base/log.h"
#include "base/utf16.h"

namespace pictavo {
namespace {

// One damaged character must not cost the whole file: it is read all the same,
// and the log says what was mended.
void log_mended_text(const std::filesystem::path& path, const Utf16Text& converted) {
  std::string mended;
  if (converted.replaced > 0) {
    mended = "U+FFFD for " + std::to_string(converted.replaced) + " unpaired surrogate" +
             (converted.replaced == 1 ? "" : "s");
  }
  if (converted.odd_byte)
    mended += (mended.empty() ? "" : ", ") + std::string("a stray last byte was dropped");
  write_log("warning: " + path.string() + " holds damaged UTF-16 text (" + mended +
            "); the rest is read");
}

}  // namespace

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
    Utf16Text converted = utf16le_to_utf8(std::string_view(bytes).substr(2));
    if (converted.damaged()) log_mended_text(path, converted);
    result.text = std::move(converted.text);
    result.was_utf16 = true;
    result.mended = converted.damaged();
  } else {
    result.text = std::move(bytes);
    if (const std::size_t nul = result.text.find('\0'); nul != std::string::npos) {
      result.text.resize(nul);
    }
  }
  return result;
}

Status write_xml_file(const std::filesystem::path& path, std::string_view text) {
  return write_file_atomically(path, text.substr(0, text.find('\0')));
}

}  // namespace pictavo
