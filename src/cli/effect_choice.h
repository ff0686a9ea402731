#pragma once

#include <memory>
#include <string_view>

#include "effects/image_effect.h"
#include "effects/transition_params.h"

namespace pictavo::cli {

// The choices of photos' effects as the commands take them. Each throws UsageError
// for a value the program does not offer (`option` names the option).

// "none", "pan", "panzoom" or "panzoomrotate" (or the display names, "Pan/Zoom").
ImageEffectCategory category_named(std::string_view text, std::string_view option);
// "random", an id 0-18 or a transition name: the template photos resolve their
// transition from (random draws anew for every photo).
std::unique_ptr<TransitionParams> transition_template(std::string_view text,
                                                      std::string_view option);
// Durations within what the program's pickers offer.
int display_seconds_value(int seconds, std::string_view option);
int transition_seconds_value(int seconds, std::string_view option);

}  // namespace pictavo::cli
