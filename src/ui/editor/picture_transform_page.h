#pragma once

#include <QWidget>

#include "ui/common/control_map.h"

class QCheckBox;
class QPushButton;

namespace pictavo {

class PictureCanvas;

// The picture editor's "Transform" page: the half turn, the flips and the crop
// frame's shape and ratio.
class PictureTransformPage : public QWidget {
  Q_OBJECT

 public:
  // Controls, numbered as the program has always numbered them.
  enum Control : int {
    kRotate180 = 1001,
    kUpsideDown = 1109,
    kMirror = 1168,
    kCircle = 1112,
    kCrop = 1169,
    kScreenRatio = 1167,
  };

  PictureTransformPage(PictureCanvas& canvas, QWidget* parent);

  QPushButton* button(Control id) const;
  QCheckBox* screen_ratio_box() const { return screen_ratio_; }

 private:
  QCheckBox* screen_ratio_;
  ControlMap<QPushButton> buttons_;
};

}  // namespace pictavo
