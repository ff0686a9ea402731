#include "model/held_notices.h"

#include <algorithm>

namespace pictavo {

HeldNotices::HeldNotices(FrontEnd& front_end)
    : front_end_(front_end), observer_(front_end.observer) {
  front_end_.observer = this;
}

HeldNotices::~HeldNotices() {
  front_end_.observer = observer_;
  if (observer_ == nullptr) return;
  for (const ProjectChange& change : held_)
    observer_->project_changed(change);
}

void HeldNotices::project_changed(const ProjectChange& change) {
  if (std::find(held_.begin(), held_.end(), change) == held_.end()) held_.push_back(change);
}

}  // namespace pictavo
