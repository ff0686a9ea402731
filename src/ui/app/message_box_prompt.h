#pragma once

#include "model/prompt.h"

class QWidget;

namespace pictavo {

// The engine's messages and questions as modal message boxes over `parent`, with
// the program's name as the caption where the message has none.
class MessageBoxPrompt final : public Prompt {
 public:
  explicit MessageBoxPrompt(QWidget* parent) : parent_(parent) {}
  PromptAnswer show(const PromptMessage& message) override;

 private:
  QWidget* parent_;
};

}  // namespace pictavo
