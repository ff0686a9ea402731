#include "cli/console_prompt.h"

#include <cstdio>
#include <string>

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
  std::fprintf(stderr, "%s\n", (label(message.icon) + message.text.english()).c_str());
  return cautious_answer(message.buttons);
}

}  // namespace pictavo::cli
