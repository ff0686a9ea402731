#pragma once

#include <QTreeWidget>

namespace pictavo {

class Slideshow;

// The photos of one slideshow as rows of their file's details: name with the
// file's icon, size, time (right-aligned), type, duration and the two effects.
// The columns share the list's width in fixed parts; the last takes the rest.
class PhotoDetailList : public QTreeWidget {
  Q_OBJECT

 public:
  explicit PhotoDetailList(QWidget* parent = nullptr);

  // One row per photo of `slideshow`, in its order; empty for none.
  void show_slideshow(const Slideshow* slideshow);
  // The first selected row; -1 when none is.
  int selected_row() const;
  void select_row(int row);

 protected:
  void resizeEvent(QResizeEvent* event) override;
};

}  // namespace pictavo
