#include "effects/transition_choice.h"

#include "effects/random_generator.h"

namespace pictavo {

std::unique_ptr<TransitionParams> resolve_transition(const TransitionParams& template_params) {
  TransitionType type = template_params.type();
  if (type == TransitionType::kRandom) {
    type = static_cast<TransitionType>(draw_choice(1820, kConcreteTransitionCount));
  }
  return make_transition(type, template_params);
}

std::unique_ptr<TransitionParams> make_default_transition(bool random_transition) {
  if (random_transition) draw_random();
  return std::make_unique<AlphaParams>(ParamsInit::kRandom);
}

}  // namespace pictavo
