#pragma once

#include <optional>
#include <string_view>

#include "effects/transition_type.h"

namespace pictavo::cli {

// A transition named by its id or by any spelling of its display or stored name:
// "Cube fly", "cube-fly", "CUBE_FLY" and "TRANSITION_EFFECT_CUBE_FLY" agree. Throws
// UsageError when an id is not a whole number (`option` names the option).
std::optional<TransitionType> transition_named(std::string_view text, std::string_view option);

}  // namespace pictavo::cli
