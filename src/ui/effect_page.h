#pragma once

#include "ui/project_tree_page.h"

namespace pictavo {

// The page Effect: the motions and transitions of the photos.
class EffectPage : public ProjectTreePage {
  Q_OBJECT

 public:
  using ProjectTreePage::ProjectTreePage;
};

}  // namespace pictavo
