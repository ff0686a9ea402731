#include "model/front_end.h"

namespace pictavo {

PromptAnswer FrontEnd::show(const PromptMessage& message) const {
  return prompt != nullptr ? prompt->show(message) : cautious_answer(message.buttons);
}

void FrontEnd::notify(const ProjectChange& change) const {
  if (observer != nullptr) observer->project_changed(change);
}

}  // namespace pictavo
