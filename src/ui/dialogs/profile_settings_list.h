#pragma once

#include <QTreeWidget>
#include <array>

#include "profiles/output_profile.h"

class QComboBox;

namespace pictavo {

// The "Advanced Settings:" list of the Produce page: two columns "Item" and "Value",
// a "  Video" and an "Audio" heading, and one row per profile parameter whose value
// is picked from the parameter's value list in a drop-down.
class ProfileSettingsList : public QTreeWidget {
  Q_OBJECT

 public:
  explicit ProfileSettingsList(QWidget* parent = nullptr);

  // Shows the parameters of `profile`; empty drop-downs without one.
  void show_profile(const OutputProfile* profile);
  // Writes the values shown back into `profile`.
  void read_back(OutputProfile& profile) const;

  QComboBox* value_box(ProfileParameterId id) const;

 signals:
  // The user picked a value.
  void value_chosen();

 private:
  std::array<QComboBox*, kProfileParameterCount> boxes_{};
};

}  // namespace pictavo
