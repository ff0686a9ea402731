#pragma once

#include <QTreeWidget>

namespace pictavo {

class Slideshow;

// The music tracks of a slideshow as rows: index, file name, start and length.
// The columns share the list's width in fixed parts; the last takes the rest.
class MusicList : public QTreeWidget {
  Q_OBJECT

 public:
  explicit MusicList(QWidget* parent = nullptr);

  // One row per track of `slideshow`, in its order; empty for none.
  void show_tracks(const Slideshow* slideshow);
  // The selected row; -1 when none is.
  int selected_row() const;
  void select_row(int row);

 protected:
  void resizeEvent(QResizeEvent* event) override;
};

}  // namespace pictavo
