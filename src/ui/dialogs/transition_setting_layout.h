#pragma once

#include <span>

#include "effects/transition_type.h"

namespace pictavo {

// One radio button of a setting dialog: its text and the value it stands for.
struct SettingChoice {
  const char* text;  // marked for translation in TransitionParameterBox's context
  int value = 0;
};

// How a dialog offers one parameter: radio buttons in the order shown, or, with
// none, a drop-down list of every value of the parameter's range.
struct ParameterControls {
  std::span<const SettingChoice> choices;
  bool list = false;

  bool present() const { return list || !choices.empty(); }
};

// The setting dialog of one transition type: its title and the controls of p1 and
// p2 (p2 absent for one-parameter types).
struct TransitionSettingLayout {
  const char* title;  // marked for translation in TransitionSettingDialog's context
  ParameterControls p1;
  ParameterControls p2;
};

// The dialog of `type`, one of the 18 concrete types (Random has no dialog).
const TransitionSettingLayout& transition_setting_layout(TransitionType type);

}  // namespace pictavo
