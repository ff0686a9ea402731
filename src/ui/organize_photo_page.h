#pragma once

#include "ui/step_page.h"

namespace pictavo {

// The page Organize Photo: the slideshows and their photos.
class OrganizePhotoPage : public StepPage {
  Q_OBJECT

 public:
  using StepPage::StepPage;
};

}  // namespace pictavo
