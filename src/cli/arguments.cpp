#include "cli/arguments.h"

#include <charconv>

namespace pictavo::cli {
namespace {

constexpr std::string_view kEndOfOptions = "--";

bool looks_like_option(std::string_view arg) {
  return arg.size() > 1 && arg.starts_with("-");
}

// The value written into the option itself ("-o=--name"), if `arg` is `name`
// given that way.
std::optional<std::string> attached_value(std::string_view arg, std::string_view name) {
  if (arg.size() <= name.size() || !arg.starts_with(name) || arg[name.size()] != '=') {
    return std::nullopt;
  }
  return std::string(arg.substr(name.size() + 1));
}

}  // namespace

Arguments::Arguments(std::vector<std::string> args)
    : args_(std::move(args)), taken_(args_.size(), false) {
  // Whatever follows a lone "--" is positional, even when it looks like an option.
  for (std::size_t i = 0; i < args_.size() && options_end_ == args_.size(); ++i) {
    if (args_[i] == kEndOfOptions) {
      options_end_ = i;
      taken_[i] = true;
    }
  }
}

std::optional<std::string> Arguments::take_first() {
  if (args_.empty() || taken_[0]) return std::nullopt;
  taken_[0] = true;
  return args_[0];
}

bool Arguments::take_flag(std::string_view name) {
  bool found = false;
  for (std::size_t i = 0; i < options_end_; ++i) {
    if (!taken_[i] && args_[i] == name) {
      taken_[i] = true;
      found = true;
    }
  }
  return found;
}

std::vector<std::string> Arguments::take_values(std::string_view name) {
  std::vector<std::string> values;
  for (std::size_t i = 0; i < options_end_; ++i) {
    if (taken_[i]) continue;
    if (std::optional<std::string> value = attached_value(args_[i], name)) {
      taken_[i] = true;
      values.push_back(std::move(*value));
      continue;
    }
    if (args_[i] != name) continue;
    if (i + 1 >= options_end_) throw UsageError{std::string(name) + " needs a value"};
    // "-o --flip" forgot the value rather than naming a file "--flip".
    const std::string& next = args_[i + 1];
    if (next.starts_with("--")) {
      throw UsageError{std::string(name) + " needs a value, not the option " + next +
                       " (a value that begins with -- is written " + std::string(name) + "=" +
                       next + ")"};
    }
    taken_[i] = taken_[i + 1] = true;
    values.push_back(next);
    ++i;
  }
  return values;
}

std::vector<std::vector<std::string>> Arguments::take_runs(std::string_view name) {
  std::vector<std::vector<std::string>> runs;
  for (std::size_t i = 0; i < options_end_; ++i) {
    if (taken_[i] || args_[i] != name) continue;
    taken_[i] = true;
    std::vector<std::string>& run = runs.emplace_back();
    while (i + 1 < options_end_ && !taken_[i + 1] && !looks_like_option(args_[i + 1])) {
      taken_[++i] = true;
      run.push_back(args_[i]);
    }
    if (run.empty()) throw UsageError{std::string(name) + " needs a value"};
  }
  return runs;
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
    if (i < options_end_ && looks_like_option(args_[i])) {
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
