#pragma once

#include <vector>

#include "model/prompt.h"

namespace pictavo::cli {

// The program's messages as lines on stderr. Nobody answers a question here, so
// every question gets the cautious answer (No, or Cancel).
class ConsolePrompt final : public Prompt {
 public:
  PromptAnswer show(const PromptMessage& message) override;

  // Shows `message` in the log only, from now on: the command says the same to
  // the user in its own words, with what it concerns.
  void log_only(PromptMessage message) { logged_only_.push_back(std::move(message)); }

 private:
  std::vector<PromptMessage> logged_only_;
};

}  // namespace pictavo::cli
