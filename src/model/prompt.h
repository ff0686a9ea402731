#pragma once

#include "base/user_text.h"

namespace pictavo {

enum class PromptButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };
enum class PromptIcon { kNone, kInformation, kWarning, kQuestion, kError };
enum class PromptAnswer { kOk, kYes, kNo, kCancel };

// A modal message to the user, with the program's exact text, caption and buttons.
struct PromptMessage {
  UserText text;
  UserText caption;  // empty: the window shows the program's name
  PromptButtons buttons = PromptButtons::kOk;
  PromptIcon icon = PromptIcon::kNone;

  bool operator==(const PromptMessage&) const = default;
};

// The answer when nobody can answer: OK for a notice, No or Cancel for a question.
inline PromptAnswer cautious_answer(PromptButtons buttons) {
  switch (buttons) {
    case PromptButtons::kOk:
      return PromptAnswer::kOk;
    case PromptButtons::kYesNo:
      return PromptAnswer::kNo;
    case PromptButtons::kOkCancel:
    case PromptButtons::kYesNoCancel:
      break;
  }
  return PromptAnswer::kCancel;
}

// How the engine shows messages and asks questions: a message box in the program,
// printed lines in the command line, scripted answers in tests. Called on the
// thread that runs the operation, which is the user interface's.
class Prompt {
 public:
  virtual ~Prompt() = default;
  virtual PromptAnswer show(const PromptMessage& message) = 0;
};

}  // namespace pictavo
