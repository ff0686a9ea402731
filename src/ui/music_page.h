#pragma once

#include "ui/project_tree_page.h"

namespace pictavo {

// The page Music: the tracks of the slideshows.
class MusicPage : public ProjectTreePage {
  Q_OBJECT

 public:
  using ProjectTreePage::ProjectTreePage;
};

}  // namespace pictavo
