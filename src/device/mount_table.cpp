#include "device/mount_table.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

namespace pictavo {
namespace {

// The fields of a line, split at blanks (paths in it have theirs escaped).
std::vector<std::string_view> fields_of(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = line.find_first_not_of(" \t"); start != std::string_view::npos;) {
    const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
    fields.push_back(line.substr(start, end - start));
    start = line.find_first_not_of(" \t", end);
  }
  return fields;
}

std::optional<unsigned> whole_number(std::string_view text) {
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// mountinfo writes blanks, tabs, newlines and backslashes of paths as "\ooo".
std::string unescape(std::string_view text) {
  std::string unescaped;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::string_view digits = text.substr(i + 1, 3);
    if (text[i] == '\\' && digits.size() == 3 && digits[0] >= '0' && digits[0] <= '3' &&
        digits.find_first_not_of("01234567") == std::string_view::npos) {
      unescaped +=
          static_cast<char>((digits[0] - '0') << 6 | (digits[1] - '0') << 3 | (digits[2] - '0'));
      i += 3;
    } else {
      unescaped += text[i];
    }
  }
  return unescaped;
}

std::optional<MountEntry> parse_line(std::string_view line) {
  const std::vector<std::string_view> fields = fields_of(line);
  // ID PARENT MAJOR:MINOR ROOT MOUNT_POINT OPTIONS, then optional fields up to "-".
  std::size_t separator = 6;
  while (separator < fields.size() && fields[separator] != "-")
    ++separator;
  if (separator + 2 >= fields.size()) return std::nullopt;
  const std::string_view numbers = fields[2];
  const std::size_t colon = numbers.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::optional<unsigned> major_number = whole_number(numbers.substr(0, colon));
  const std::optional<unsigned> minor_number = whole_number(numbers.substr(colon + 1));
  if (!major_number || !minor_number) return std::nullopt;
  return MountEntry{.major_number = *major_number,
                    .minor_number = *minor_number,
                    .root = unescape(fields[3]),
                    .mount_point = unescape(fields[4]),
                    .type = unescape(fields[separator + 1]),
                    .source = unescape(fields[separator + 2])};
}

}  // namespace

std::vector<MountEntry> parse_mount_table(std::string_view text) {
  std::vector<MountEntry> mounts;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    if (std::optional<MountEntry> mount = parse_line(text.substr(0, end)))
      mounts.push_back(std::move(*mount));
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return mounts;
}

}  // namespace pictavo
