#include "cli/arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pictavo::cli {
namespace {

// What "-o" and the positional arguments come out as, or the usage error.
struct Parsed {
  std::optional<std::string> out;
  bool flip = false;
  std::vector<std::string> positional;
  std::string error;
};

Parsed parse(std::vector<std::string> args) {
  Parsed parsed;
  try {
    Arguments arguments(std::move(args));
    parsed.out = arguments.take_value("-o");
    parsed.flip = arguments.take_flag("--flip");
    parsed.positional = arguments.finish();
  } catch (const UsageError& error) {
    parsed.error = error.message;
  }
  return parsed;
}

TEST(Arguments, AValueThatBeginsWithTwoDashesMustBeAttachedOrAfterTheEnd) {
  using Strings = std::vector<std::string>;
  struct Case {
    Strings args;
    std::optional<std::string> out;
    bool flip;
    Strings positional;
    std::string error;  // the start of it
  };
  const Case cases[] = {
      {{"in.png", "-o", "out.png", "--flip"}, "out.png", true, {"in.png"}, ""},
      {{"in.png", "-o", "--flip"},
       std::nullopt,
       false,
       {},
       "-o needs a value, not the option --flip"},
      {{"in.png", "-o"}, std::nullopt, false, {}, "-o needs a value"},
      {{"in.png", "-o", "--"}, std::nullopt, false, {}, "-o needs a value"},
      {{"in.png", "-o=--flip"}, "--flip", false, {"in.png"}, ""},
      {{"-o=", "in.png"}, "", false, {"in.png"}, ""},
      {{"-o", "-x.png", "in.png"}, "-x.png", false, {"in.png"}, ""},
      {{"-o", "out.png", "--", "--flip", "-o"}, "out.png", false, {"--flip", "-o"}, ""},
      {{"--", "-o", "out.png"}, std::nullopt, false, {"-o", "out.png"}, ""},
      {{"in.png", "--bogus"}, std::nullopt, false, {}, "unknown option --bogus"},
      {{"-o", "a", "-o=b"}, std::nullopt, false, {}, "-o is given more than once"},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (const std::string& arg : c.args)
      shown += arg + " ";
    const Parsed parsed = parse(c.args);
    EXPECT_EQ(parsed.error.substr(0, c.error.size()), c.error) << shown;
    EXPECT_EQ(parsed.error.empty(), c.error.empty()) << shown << ": " << parsed.error;
    if (!c.error.empty()) continue;
    EXPECT_EQ(parsed.out, c.out) << shown;
    EXPECT_EQ(parsed.flip, c.flip) << shown;
    EXPECT_EQ(parsed.positional, c.positional) << shown;
  }
}

TEST(Arguments, RunsEndAtTheEndOfOptions) {
  Arguments arguments({"--slideshow", "Trip", "a.jpg", "--", "--slideshow", "b.jpg"});
  EXPECT_EQ(arguments.take_runs("--slideshow"),
            (std::vector<std::vector<std::string>>{{"Trip", "a.jpg"}}));
  EXPECT_EQ(arguments.finish(), (std::vector<std::string>{"--slideshow", "b.jpg"}));
}

}  // namespace
}  // namespace pictavo::cli
