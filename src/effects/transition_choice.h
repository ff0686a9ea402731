#pragma once

#include <memory>

#include "effects/transition_params.h"

namespace pictavo {

// The transition a photo receives from a template (an effect-set entry or another
// photo's object): a concrete template is copied; Random draws a type (one of the
// 18, every call anew) and that type's random values. The caller owns the result.
std::unique_ptr<TransitionParams> resolve_transition(const TransitionParams& template_params);

// The transition of a fresh effect record: Alpha with a randomly drawn mode. Asked
// for a random transition it gives the same kind of object but first draws and
// discards one value, so every later draw of the sequence moves on by one.
std::unique_ptr<TransitionParams> make_default_transition(bool random_transition = false);

}  // namespace pictavo
