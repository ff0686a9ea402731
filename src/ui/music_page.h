#pragma once

#include "ui/step_page.h"

namespace pictavo {

// The page Music: the tracks of the slideshows.
class MusicPage : public StepPage {
  Q_OBJECT

 public:
  using StepPage::StepPage;
};

}  // namespace pictavo
