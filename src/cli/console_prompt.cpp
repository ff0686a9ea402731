#include "cli/console_prompt.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "base/log.h"

namespace pictavo::cli {
namespace {

const char* label(PromptIcon icon) {
  switch (icon) {
    case PromptIcon::kWarning:
      return "warning: ";
    case PromptIcon::kError:
      return "error: ";
    default:
      return "";
  }
}

}  // namespace

PromptAnswer ConsolePrompt::show(const PromptMessage& message) {
  const std::string line = label(message.icon) + message.text;
  if (std::find(logged_only_.begin(), logged_only_.end(), message) != logged_only_.end()) {
    write_log(line);
  } else {
    std::fprintf(stderr, "%s\n", line.c_str());
  }
  return cautious_answer(message.buttons);
}

}  // namespace pictavo::cli
