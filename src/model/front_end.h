#pragma once

#include "model/project_observer.h"
#include "model/prompt.h"

namespace pictavo {

// The user interface as the project sees it: where messages and notices go. Both
// may be missing (a worker's copy, a test that does not listen); then nothing is
// shown and nobody is told.
struct FrontEnd {
  Prompt* prompt = nullptr;
  ProjectObserver* observer = nullptr;

  // Without a prompt the answer is the cautious one.
  PromptAnswer show(const PromptMessage& message) const;
  void notify(const ProjectChange& change) const;
};

}  // namespace pictavo
