#pragma once

#include <QWidget>
#include <filesystem>

#include "ui/common/control_map.h"

class QComboBox;
class QListWidget;
class QPushButton;

namespace pictavo {

class PictureCanvas;

// The picture editor's "Add Image" page: the decoration pictures of a category,
// shown as icons, to add to the canvas.
class PictureDecorationPage : public QWidget {
  Q_OBJECT

 public:
  // Controls, numbered as the program has always numbered them.
  enum Control : int { kCategory = 1163, kPictures = 1108, kAdd = 1001, kDelete = 1107 };
  static constexpr int kIconSize = 70;

  // `decorations` holds a folder of PNG pictures per category.
  PictureDecorationPage(PictureCanvas& canvas, std::filesystem::path decorations, QWidget* parent);

  QComboBox* categories() const { return categories_; }
  QListWidget* pictures() const { return pictures_; }
  QPushButton* button(Control id) const;

 private:
  void show_category(int index);
  void add_selected();

  PictureCanvas& canvas_;
  std::filesystem::path decorations_;
  QComboBox* categories_;
  QListWidget* pictures_;
  ControlMap<QPushButton> buttons_;
};

}  // namespace pictavo
