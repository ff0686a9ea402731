#pragma once

#include <memory>

#include "effects/image_effect.h"
#include "effects/transition_params.h"

namespace pictavo {

// The effect choices of one photo (and of the project's default setting): the
// transition that brings the photo on screen, the motion while it is shown, and
// both durations in whole seconds.
//
// Copying the object (copy constructor or assignment) clones it exactly, for
// example to hand a slideshow to a worker. `copy_from` is the user-level copy that
// applies one photo's choices to another and draws the concrete effects anew.
class EffectRecord {
 public:
  // Alpha with a random mode, no motion, 3 s shown, 2 s transition.
  EffectRecord();
  EffectRecord(const EffectRecord& other);
  EffectRecord& operator=(const EffectRecord& other);
  EffectRecord(EffectRecord&&) noexcept = default;
  EffectRecord& operator=(EffectRecord&&) noexcept = default;
  ~EffectRecord();

  // The transition that replaces the previous photo by this one.
  const TransitionParams& transition() const { return *transition_; }
  TransitionParams& transition() { return *transition_; }
  // Takes over `transition`; a null pointer is ignored.
  void set_transition(std::unique_ptr<TransitionParams> transition);

  // Durations, a category with a motion drawn from it, and the default transition
  // (random_transition as make_default_transition takes it).
  void initialise(int transition_time, int display_time, bool random_transition,
                  ImageEffectCategory motion);
  // Durations and category, the motion drawn from the category, and the transition
  // resolved from a template.
  void set_with_template(int display_time, ImageEffectCategory motion,
                         const TransitionParams& template_params, int transition_time);
  // Durations and category of `other`, a motion drawn afresh from that category and
  // the transition resolved from `other`'s.
  void copy_from(const EffectRecord& other);
  // The project's default record after the preferences change: Pan/Zoom/Rotate or
  // no motion, and a Random template or an Alpha transition with a random mode.
  void apply_random_preferences(bool random_image_effect, bool random_transition);

  int transition_seconds = 2;
  ImageEffect image_effect = ImageEffect::kNone;
  int display_seconds = 3;
  ImageEffectCategory category = ImageEffectCategory::kNone;

 private:
  std::unique_ptr<TransitionParams> transition_;  // never null
};

}  // namespace pictavo
