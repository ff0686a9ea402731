#pragma once

#include "ui/project_tree_page.h"

namespace pictavo {

class ImageLine;
class PreviewWidget;

// The page Effect: the motions and transitions of the photos, edited in the image
// line and watched in the transition preview.
class EffectPage : public ProjectTreePage {
  Q_OBJECT

 public:
  EffectPage(Project& project, UserDialogs& dialogs, QWidget* main_window, QWidget* parent);

  void page_shown() override;
  // The thumbnails of slideshow `number` are ready.
  void thumbnails_ready(int number);

  ImageLine* image_line() const { return image_line_; }
  PreviewWidget* preview() const { return preview_; }
  // Plays the transition that brings photo `photo` of the image line's slideshow
  // in, from the photo before it.
  void preview_photo(int photo);

 protected:
  void show_current_slideshow() override;
  void release_slideshows() override;

 private:
  PreviewWidget* preview_ = nullptr;
  ImageLine* image_line_ = nullptr;
};

}  // namespace pictavo
