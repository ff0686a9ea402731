#include "ui/editor/picture_transform_page.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/editor/picture_canvas.h"

namespace pictavo {

PictureTransformPage::PictureTransformPage(PictureCanvas& canvas, QWidget* parent)
    : QWidget(parent), screen_ratio_(new QCheckBox(tr("TV's Screen Ratio"), this)) {
  auto* layout = new QVBoxLayout(this);
  const auto add = [this, layout](Control id, const QString& text) {
    auto* button = buttons_.add(id, new QPushButton(text, this));
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
  };
  connect(add(kRotate180, tr("Rotate 180°")), &QPushButton::clicked, &canvas,
          &PictureCanvas::rotate_half_turn);
  connect(add(kUpsideDown, tr("Flip upside down")), &QPushButton::clicked, &canvas,
          &PictureCanvas::turn_upside_down);
  connect(add(kMirror, tr("Mirror left to right")), &QPushButton::clicked, &canvas,
          &PictureCanvas::mirror_left_right);
  layout->addSpacing(12);
  QPushButton* circle = add(kCircle, tr("Circle"));
  circle->setCheckable(true);
  connect(circle, &QPushButton::toggled, &canvas, &PictureCanvas::set_circle);
  connect(add(kCrop, tr("Crop")), &QPushButton::clicked, &canvas, &PictureCanvas::crop_to_frame);
  layout->addWidget(screen_ratio_);
  connect(screen_ratio_, &QCheckBox::toggled, &canvas, &PictureCanvas::set_screen_ratio_kept);
  layout->addStretch();
}

QPushButton* PictureTransformPage::button(Control id) const {
  return buttons_.at(id);
}

}  // namespace pictavo
