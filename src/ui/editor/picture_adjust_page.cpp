#include "ui/editor/picture_adjust_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <cstdlib>

#include "ui/editor/picture_canvas.h"

namespace pictavo {
namespace {

QSlider* slider(int maximum, QWidget* parent) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setRange(0, maximum);
  slider->setPageStep(PictureAdjustPage::kStep);
  return slider;
}

}  // namespace

PictureAdjustPage::PictureAdjustPage(PictureCanvas& canvas, QWidget* parent)
    : QWidget(parent),
      canvas_(canvas),
      brightness_(slider(2 * kLightMiddle, this)),
      saturation_(slider(2 * kLightMiddle, this)),
      filter_(slider(2 * kFilterMiddle, this)) {
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(tr("Brightness"), this), 0, 0, 1, 2);
  layout->addWidget(brightness_, 1, 0, 1, 2);
  layout->addWidget(new QLabel(tr("Saturation"), this), 2, 0, 1, 2);
  layout->addWidget(saturation_, 3, 0, 1, 2);
  layout->addWidget(new QLabel(tr("Soften"), this), 4, 0);
  layout->addWidget(new QLabel(tr("Sharpen"), this), 4, 1, Qt::AlignRight);
  layout->addWidget(filter_, 5, 0, 1, 2);
  layout->setRowStretch(6, 1);

  connect(brightness_, &QSlider::valueChanged, this, [this](int position) {
    light_moved(position, brightness_taken_, &PictureAdjustments::brightness);
  });
  connect(saturation_, &QSlider::valueChanged, this, [this](int position) {
    light_moved(position, saturation_taken_, &PictureAdjustments::contrast);
  });
  connect(filter_, &QSlider::valueChanged, this, &PictureAdjustPage::filter_moved);
  connect(&canvas_, &PictureCanvas::loaded, this, &PictureAdjustPage::show_values);
  show_values();
}

void PictureAdjustPage::show_values() {
  const PictureAdjustments& values = canvas_.adjustments();
  brightness_taken_ = std::clamp(kLightMiddle + values.brightness, 0, 2 * kLightMiddle);
  saturation_taken_ = std::clamp(kLightMiddle + values.contrast, 0, 2 * kLightMiddle);
  filter_taken_ = kFilterMiddle;
  for (auto [slider, position] :
       {std::pair{brightness_, brightness_taken_}, std::pair{saturation_, saturation_taken_},
        std::pair{filter_, filter_taken_}}) {
    const QSignalBlocker quiet(slider);
    slider->setValue(position);
  }
}

void PictureAdjustPage::light_moved(int position, int& taken, int PictureAdjustments::*value) {
  if (std::abs(position - taken) < kStep) return;
  taken = position;
  PictureAdjustments values = canvas_.adjustments();
  values.*value = position - kLightMiddle;
  canvas_.set_adjustments(values);
}

void PictureAdjustPage::filter_moved(int position) {
  if (std::abs(position - filter_taken_) < kStep) return;
  PictureAdjustments values = canvas_.adjustments();
  int& passes = position > filter_taken_ ? values.sharpen_times : values.soften_times;
  passes = std::min(passes + 1, kMaxFilterPasses);
  filter_taken_ = position;
  canvas_.set_adjustments(values);
}

}  // namespace pictavo
