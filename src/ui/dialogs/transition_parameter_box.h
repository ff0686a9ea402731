#pragma once

#include <QGroupBox>
#include <utility>
#include <vector>

#include "effects/transition_form.h"
#include "ui/dialogs/transition_setting_layout.h"

class QCheckBox;
class QComboBox;

namespace pictavo {

// The controls of one transition parameter in a setting dialog: radio buttons,
// which are check boxes the box keeps to one checked, or a drop-down list of every
// value of the parameter's range.
class TransitionParameterBox : public QGroupBox {
  Q_OBJECT

 public:
  // `name` ("p1", "p2") names the box and, with a suffix, its controls.
  TransitionParameterBox(const ParameterControls& controls, const ParameterForm& form,
                         const QString& name, QWidget* parent);

  void show_value(int value);
  // The value of the first checked button in the order shown, 0 when none is
  // checked; for a list its first value plus the selected index.
  int value() const;

  // The radio button that stands for `value`; null when there is none.
  QCheckBox* choice_box(int value) const;
  // The list; null for radio buttons.
  QComboBox* value_list() const { return list_; }

 private:
  void add_choices(const ParameterControls& controls, const QString& name);
  void add_list(const ParameterForm& form, const QString& name);
  void check_only(QCheckBox* checked);

  std::vector<std::pair<QCheckBox*, int>> choices_;  // in the order shown
  QComboBox* list_ = nullptr;
  int first_value_ = 0;
};

}  // namespace pictavo
