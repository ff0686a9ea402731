#pragma once

#include "model/prompt.h"

namespace pictavo::cli {

// The program's messages as lines on stderr. Nobody answers a question here, so
// every question gets the cautious answer (No, or Cancel).
class ConsolePrompt final : public Prompt {
 public:
  PromptAnswer show(const PromptMessage& message) override;
};

}  // namespace pictavo::cli
