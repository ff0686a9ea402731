#pragma once

#include <QDialog>

#include "model/model_id.h"
#include "ui/common/control_map.h"

class QPushButton;
class QTabWidget;

namespace pictavo {

class PhotoItem;
class PictureCanvas;
class EditHistory;
class Project;
class UserDialogs;

// The picture editor ("Modify"): one photo of the current slideshow at a time on
// the canvas, the pages that change it, and the way between the slideshow's
// photos. Saving replays the edits on the full-size photo into a prepared picture
// in the working folder; the user's own file is never written.
class PictureEditorDialog : public QDialog {
  Q_OBJECT

 public:
  // Buttons, numbered as the program has always numbered them.
  enum Button : int {
    kSave = 1043,
    kCancel = 1044,
    kReset = 1122,
    kRemove = 1110,
    kPrevious = 1107,
    kNext = 1109,
  };

  // Edits photo `photo_index` of the project's current slideshow.
  PictureEditorDialog(Project& project, EditHistory& history, int photo_index, UserDialogs& dialogs,
                      QWidget* parent);

  PictureCanvas* canvas() const { return canvas_; }
  QTabWidget* tabs() const { return tabs_; }
  QPushButton* button(Button id) const;
  int photo_index() const { return photo_index_; }
  bool modified() const { return modified_; }

  // Keeps the edits with the photo when there are any unsaved; false when they
  // could not be kept.
  bool save();
  void reset();
  void show_neighbour(int step);

  // Enter and the close box (or Escape) ask about unsaved edits first.
  void accept() override;
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPushButton* add_button(Button id, const QString& text);
  void lay_out();
  // The photo at `index` of the slideshow edited; null when there is none.
  const PhotoItem* photo_at(int index) const;
  void load_photo(int index);
  // Asks about unsaved edits; true when the editor may leave the photo.
  bool settle_edits();
  void show_message(const QString& text);

  Project& project_;
  EditHistory& history_;
  ModelId slideshow_;  // the current slideshow when the editor opened
  PictureCanvas* canvas_;
  QTabWidget* tabs_;
  int photo_index_ = 0;
  bool modified_ = false;
  ControlMap<QPushButton> buttons_;
};

}  // namespace pictavo
