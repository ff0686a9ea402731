#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"

namespace pictavo {

// The text of an XML file as the readers see it: a file that begins with FF FE is
// UTF-16LE and is converted to UTF-8 (damaged UTF-16 is mended, see
// utf16le_to_utf8, with a warning in the log); any other file is taken byte for
// byte. The text ends at the first NUL.
struct XmlFileText {
  std::string text;
  std::size_t bytes_read = 0;
  bool was_utf16 = false;
  bool mended = false;  // damaged UTF-16 was mended

  // The preferences and profile readers refuse a text that came out much shorter
  // than the file: (bytes read / 2) - 20 characters at the least.
  bool is_complete() const;
};

std::optional<XmlFileText> read_xml_file(const std::filesystem::path& path);

// Writes `text` up to its first NUL, atomically (see write_file_atomically).
Status write_xml_file(const std::filesystem::path& path, std::string_view text);

}  // namespace pictavo
