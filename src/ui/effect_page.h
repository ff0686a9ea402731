#pragma once

#include "ui/step_page.h"

namespace pictavo {

// The page Effect: the motions and transitions of the photos.
class EffectPage : public StepPage {
  Q_OBJECT

 public:
  using StepPage::StepPage;
};

}  // namespace pictavo
