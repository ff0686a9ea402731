#include "model/effect_record.h"

#include "effects/transition_choice.h"

namespace pictavo {

EffectRecord::EffectRecord() : transition_(make_default_transition()) {}

EffectRecord::EffectRecord(const EffectRecord& other)
    : transition_seconds(other.transition_seconds),
      image_effect(other.image_effect),
      display_seconds(other.display_seconds),
      category(other.category),
      transition_(other.transition_->clone()) {}

EffectRecord& EffectRecord::operator=(const EffectRecord& other) {
  if (this != &other) *this = EffectRecord(other);
  return *this;
}

EffectRecord::~EffectRecord() = default;

void EffectRecord::set_transition(std::unique_ptr<TransitionParams> transition) {
  if (transition) transition_ = std::move(transition);
}

void EffectRecord::initialise(int transition_time, int display_time, bool random_transition,
                              ImageEffectCategory motion) {
  transition_seconds = transition_time;
  display_seconds = display_time;
  category = motion;
  image_effect = draw_image_effect(category);
  transition_ = make_default_transition(random_transition);
}

void EffectRecord::set_with_template(int display_time, ImageEffectCategory motion,
                                     const TransitionParams& template_params, int transition_time) {
  display_seconds = display_time;
  category = motion;
  transition_seconds = transition_time;
  image_effect = draw_image_effect(category);
  transition_ = resolve_transition(template_params);
}

void EffectRecord::copy_from(const EffectRecord& other) {
  display_seconds = other.display_seconds;
  transition_seconds = other.transition_seconds;
  category = other.category;
  image_effect = draw_image_effect(category);
  transition_ = resolve_transition(*other.transition_);
}

void EffectRecord::apply_random_preferences(bool random_image_effect, bool random_transition) {
  category = random_image_effect ? ImageEffectCategory::kPanZoomRotate : ImageEffectCategory::kNone;
  image_effect = draw_image_effect(category);
  if (random_transition) {
    transition_ = std::make_unique<RandomTransitionParams>();
  } else {
    transition_ = std::make_unique<AlphaParams>(ParamsInit::kRandom);
  }
}

}  // namespace pictavo
