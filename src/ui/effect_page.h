#pragma once

#include "ui/step_page.h"

namespace pictavo {

class ImageLine;
class PreviewWidget;
class Project;

// The page Effect: the motions and transitions of the photos, edited in the image
// line and watched in the transition preview.
class EffectPage : public StepPage {
  Q_OBJECT

 public:
  explicit EffectPage(Project& project, QWidget* parent = nullptr);

  void page_shown() override;
  void project_replaced() override;
  // The thumbnails of slideshow `number` are ready.
  void thumbnails_ready(int number);

  ImageLine* image_line() const { return image_line_; }
  PreviewWidget* preview() const { return preview_; }
  // Plays the transition that brings photo `photo` of the image line's slideshow
  // in, from the photo before it.
  void preview_photo(int photo);

 private:
  Project& project_;
  PreviewWidget* preview_ = nullptr;
  ImageLine* image_line_ = nullptr;
};

}  // namespace pictavo
