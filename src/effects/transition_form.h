#pragma once

#include <string_view>

#include "effects/transition_type.h"

namespace pictavo {

// The one or two integer parameters of a transition; a parameter the type does not
// have is 0.
struct TransitionValues {
  int p1 = 0;
  int p2 = 0;

  bool operator==(const TransitionValues&) const = default;
};

// One parameter of a transition type: what it means, where it is stored, the values
// it may take and its default.
struct ParameterForm {
  std::string_view label;    // "direction", "width", ...; empty when the type lacks it
  std::string_view element;  // the element holding its value in stored files
  int min = 0;
  int max = 0;
  int default_value = 0;
};

// Everything that differs between the transition types apart from their names.
// Stored form: an element TRANSITION_EFFECT_SETTING whose NAME is the type's file
// name, holding the p1 element directly (one-parameter types) or a group element
// that holds the p1 and p2 elements (two-parameter types); Random holds nothing.
struct TransitionForm {
  int parameter_count = 0;
  std::string_view group_element;  // two-parameter types only
  ParameterForm p1;
  ParameterForm p2;
  // The "Random" draw of the type, taking its values from the process-wide
  // generator in a fixed order.
  TransitionValues (*draw)() = nullptr;

  TransitionValues defaults() const { return {p1.default_value, p2.default_value}; }
  // Each parameter brought into its range; parameters the type lacks become 0.
  TransitionValues clamped(TransitionValues values) const;
};

// The form of a type; `type` must be one of the 19 ids.
const TransitionForm& transition_form(TransitionType type);

}  // namespace pictavo
