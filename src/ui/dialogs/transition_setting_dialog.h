#pragma once

#include <QDialog>

#include "effects/transition_form.h"

class QHBoxLayout;
class QPushButton;

namespace pictavo {

class TransitionParams;
class TransitionParameterBox;

// The setting dialog of one transition object, built from its type's layout: the
// controls show the object's values, "Default" and "Random" show the type's
// default values or a fresh random draw, OK stores what the controls show in the
// object and Cancel leaves it as it was.
class TransitionSettingDialog : public QDialog {
  Q_OBJECT

 public:
  // `params` is one of the 18 types with parameters and outlives the dialog.
  explicit TransitionSettingDialog(TransitionParams& params, QWidget* parent = nullptr);

  // The values the controls show, read as OK reads them.
  TransitionValues shown_values() const;

  // The controls of parameter 1 or 2; null when the type lacks it.
  TransitionParameterBox* parameter_box(int parameter) const;
  QPushButton* random_button() const { return random_; }
  QPushButton* default_button() const { return default_; }
  QPushButton* ok_button() const { return ok_; }
  QPushButton* cancel_button() const { return cancel_; }

  // Stores the shown values in the object and closes.
  void accept() override;

 private:
  // Random, Default, OK and Cancel in a row.
  QHBoxLayout* build_buttons();
  void show_values(TransitionValues values);

  TransitionParams& params_;
  TransitionParameterBox* p1_ = nullptr;
  TransitionParameterBox* p2_ = nullptr;
  QPushButton* random_ = nullptr;
  QPushButton* default_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace pictavo
