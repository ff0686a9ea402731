#pragma once

#include <vector>

#include "model/front_end.h"

namespace pictavo {

// Holds back the notices of an operation made of several changes and tells them
// when it is complete, each once: an observer never reads a project half way
// through a change. Holds nest; the outermost one tells.
class HeldNotices final : private ProjectObserver {
 public:
  explicit HeldNotices(FrontEnd& front_end);
  HeldNotices(const HeldNotices&) = delete;
  HeldNotices& operator=(const HeldNotices&) = delete;
  ~HeldNotices() override;

 private:
  void project_changed(const ProjectChange& change) override;

  FrontEnd& front_end_;
  ProjectObserver* observer_;
  std::vector<ProjectChange> held_;
};

}  // namespace pictavo
