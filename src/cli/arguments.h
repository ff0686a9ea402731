#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pictavo::cli {

// The arguments of one subcommand. Options are taken by name ("--size WxH",
// "--flip"); what no option took is positional. `finish` reports anything that
// looks like an option but was never asked for. A value may be attached to its
// option ("-o=OUT"), which is the way to give one that begins with "--": "-o
// --flip" is refused as a forgotten value. After a lone "--", every argument is
// positional.
class Arguments {
 public:
  explicit Arguments(std::vector<std::string> args);

  // The first argument, when nothing took it yet: the action of a command with
  // several ("audio info ...").
  std::optional<std::string> take_first();
  bool take_flag(std::string_view name);
  std::optional<std::string> take_value(std::string_view name);
  std::vector<std::string> take_values(std::string_view name);  // a repeatable option
  // For each occurrence of `name`, the arguments after it up to the next option
  // ("--slideshow Trip a.jpg b.jpg"); an occurrence without any is a UsageError.
  std::vector<std::vector<std::string>> take_runs(std::string_view name);
  // Integer value of an option; throws UsageError when it is not a whole number.
  std::optional<int> take_int(std::string_view name);

  // The arguments no option took, in order. Throws UsageError for unknown options.
  std::vector<std::string> finish();

 private:
  std::vector<std::string> args_;
  std::vector<bool> taken_;
  std::size_t options_end_ = args_.size();  // the lone "--", or the end
};

// A mistake in how the command was called; main prints it with the usage hint.
struct UsageError {
  std::string message;
};

int to_int(std::string_view text, std::string_view what);

}  // namespace pictavo::cli
