#pragma once

#include <QWidget>
#include <cstdint>

#include "ui/common/control_map.h"

class QPlainTextEdit;
class QPushButton;

namespace pictavo {

class PictureCanvas;
class UserDialogs;

// The picture editor's "Add Text" page: texts added to the canvas, and the words,
// font and colour of the selected one.
class PictureTextPage : public QWidget {
  Q_OBJECT

 public:
  // Controls, numbered as the program has always numbered them.
  enum Control : int { kAdd = 1001, kDelete = 1107, kFont = 1109, kColour = 1081, kText = 1079 };

  PictureTextPage(PictureCanvas& canvas, UserDialogs& dialogs, QWidget* parent);

  QPushButton* button(Control id) const;
  QPlainTextEdit* text_edit() const { return text_; }

 private:
  void show_selected();
  void choose_font();
  void choose_colour();
  void show_colour(std::uint32_t colour_value);

  PictureCanvas& canvas_;
  UserDialogs& dialogs_;
  QPlainTextEdit* text_;
  ControlMap<QPushButton> buttons_;
};

}  // namespace pictavo
