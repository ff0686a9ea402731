#pragma once

#include <QWidget>

#include "model/photo_edits.h"

class QSlider;

namespace pictavo {

class PictureCanvas;

// The picture editor's "Adjust" page: brightness and saturation, and
// soften or sharpen passes. A slider takes effect when it has moved three steps
// from where it last did; each such move of the soften/sharpen slider adds one
// pass to the side it moved to.
class PictureAdjustPage : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kLightMiddle = 40;   // of 0..80: no change
  static constexpr int kFilterMiddle = 30;  // of 0..60
  static constexpr int kStep = 3;

  explicit PictureAdjustPage(PictureCanvas& canvas, QWidget* parent);

  QSlider* brightness() const { return brightness_; }
  QSlider* saturation() const { return saturation_; }
  QSlider* filter() const { return filter_; }

 private:
  void show_values();
  void light_moved(int position, int& taken, int PictureAdjustments::*value);
  void filter_moved(int position);

  PictureCanvas& canvas_;
  QSlider* brightness_;
  QSlider* saturation_;
  QSlider* filter_;
  int brightness_taken_ = kLightMiddle;
  int saturation_taken_ = kLightMiddle;
  int filter_taken_ = kFilterMiddle;
};

}  // namespace pictavo
