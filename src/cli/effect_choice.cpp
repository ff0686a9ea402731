#include "cli/effect_choice.h"

#include <cctype>
#include <string>

#include "cli/arguments.h"
#include "cli/transition_name.h"
#include "model/photo_durations.h"

namespace pictavo::cli {
namespace {

// Lower case letters only: "Pan/Zoom" and "panzoom" agree.
std::string letters(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (std::isalpha(static_cast<unsigned char>(c))) {
      out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  return out;
}

int within(int value, int least, int most, std::string_view option) {
  if (value < least || value > most) {
    throw UsageError{std::string(option) + " takes " + std::to_string(least) + " to " +
                     std::to_string(most) + " seconds"};
  }
  return value;
}

}  // namespace

ImageEffectCategory category_named(std::string_view text, std::string_view option) {
  for (int id = 0; id < kImageEffectCategoryCount; ++id) {
    const auto category = static_cast<ImageEffectCategory>(id);
    if (letters(text) == letters(display_name(category))) return category;
  }
  throw UsageError{std::string(option) + " takes none, pan, panzoom or panzoomrotate, not \"" +
                   std::string(text) + "\""};
}

std::unique_ptr<TransitionParams> transition_template(std::string_view text,
                                                      std::string_view option) {
  const std::optional<TransitionType> type = transition_named(text, option);
  if (!type) {
    throw UsageError{std::string(option) +
                     " takes random, an id 0-18 or a transition name, not \"" + std::string(text) +
                     "\""};
  }
  return make_transition(*type);
}

int display_seconds_value(int seconds, std::string_view option) {
  return within(seconds, kMinDisplaySeconds, kMaxDisplaySeconds, option);
}

int transition_seconds_value(int seconds, std::string_view option) {
  return within(seconds, kMinTransitionSeconds, kMaxTransitionSeconds, option);
}

}  // namespace pictavo::cli
