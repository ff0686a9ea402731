#include "cli/transition_name.h"

#include <cctype>
#include <string>

#include "cli/arguments.h"

namespace pictavo::cli {
namespace {

// Lower case without blanks, "_" and "-".
std::string folded(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == ' ' || c == '_' || c == '-') continue;
    out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return out;
}

}  // namespace

std::optional<TransitionType> transition_named(std::string_view text, std::string_view option) {
  if (!text.empty() && std::isdigit(static_cast<unsigned char>(text[0]))) {
    const int id = to_int(text, option);
    if (is_transition_type(id)) return static_cast<TransitionType>(id);
    return std::nullopt;
  }
  const std::string wanted = folded(text);
  for (int id = 0; id < kTransitionTypeCount; ++id) {
    const auto type = static_cast<TransitionType>(id);
    if (wanted == folded(display_name(type)) || wanted == folded(file_name(type))) return type;
  }
  return std::nullopt;
}

}  // namespace pictavo::cli
