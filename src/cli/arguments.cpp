#include "cli/arguments.h"

#include <charconv>

namespace pictavo::cli {

Arguments::Arguments(std::vector<std::string> args)
    : args_(std::move(args)), taken_(args_.size(), false) {}

std::optional<std::string> Arguments::take_first() {
  if (args_.empty() || taken_[0]) return std::nullopt;
  taken_[0] = true;
  return args_[0];
}

bool Arguments::take_flag(std::string_view name) {
  bool found = false;
  for (std::size_t i = 0; i < args_.size(); ++i) {
    if (!taken_[i] && args_[i] == name) {
      taken_[i] = true;
      found = true;
    }
  }
  return found;
}

std::vector<std::string> Arguments::take_values(std::string_view name) {
  std::vector<std::string> values;
  for (std::size_t i = 0; i < args_.size(); ++i) {
    if (taken_[i] || args_[i] != name) continue;
    if (i + 1 >= args_.size()) throw UsageError{std::string(name) + " needs a value"};
    taken_[i] = taken_[i + 1] = true;
    values.push_back(args_[i + 1]);
    ++i;
  }
  return values;
}

std::optional<std::string> Arguments::take_value(std::string_view name) {
  std::vector<std::string> values = take_values(name);
  if (values.size() > 1) throw UsageError{std::string(name) + " is given more than once"};
  if (values.empty()) return std::nullopt;
  return values.front();
}

std::optional<int> Arguments::take_int(std::string_view name) {
  const std::optional<std::string> value = take_value(name);
  if (!value) return std::nullopt;
  return to_int(*value, name);
}

std::vector<std::string> Arguments::finish() {
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args_.size(); ++i) {
    if (taken_[i]) continue;
    if (args_[i].size() > 1 && args_[i].starts_with("-")) {
      throw UsageError{"unknown option " + args_[i]};
    }
    positional.push_back(args_[i]);
  }
  return positional;
}

int to_int(std::string_view text, std::string_view what) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    throw UsageError{std::string(what) + " needs a whole number, not \"" + std::string(text) +
                     "\""};
  }
  return value;
}

}  // namespace pictavo::cli
