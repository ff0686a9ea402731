#pragma once

#include "ui/widgets/report_list.h"

namespace pictavo {

class Slideshow;

// The music tracks of a slideshow as rows: index, file name, start and length.
class MusicList : public ReportList {
  Q_OBJECT

 public:
  explicit MusicList(QWidget* parent = nullptr);

  // One row per track of `slideshow`, in its order; empty for none.
  void show_tracks(const Slideshow* slideshow);
};

}  // namespace pictavo
