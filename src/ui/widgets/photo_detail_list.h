#pragma once

#include "ui/widgets/report_list.h"

namespace pictavo {

class Slideshow;

// The photos of one slideshow as rows of their file's details: name with the
// file's icon, size, time (right-aligned), type, duration and the two effects.
class PhotoDetailList : public ReportList {
  Q_OBJECT

 public:
  explicit PhotoDetailList(QWidget* parent = nullptr);

  // One row per photo of `slideshow`, in its order; empty for none.
  void show_slideshow(const Slideshow* slideshow);
};

}  // namespace pictavo
