#pragma once

#include <algorithm>

#include "model/effect_record.h"

namespace pictavo {

// The durations a photo can have, as the duration pickers offer them: shown for 1
// to 60 seconds, brought on screen by a transition of 0 to 10 seconds. Lengths in
// frames are computed from these, so keeping them in range keeps every length
// within what the renderers and the size estimate can count.
inline constexpr int kMinDisplaySeconds = 1;
inline constexpr int kMaxDisplaySeconds = 60;
inline constexpr int kMinTransitionSeconds = 0;
inline constexpr int kMaxTransitionSeconds = 10;

inline int fit_display_seconds(int seconds) {
  return std::clamp(seconds, kMinDisplaySeconds, kMaxDisplaySeconds);
}

inline int fit_transition_seconds(int seconds) {
  return std::clamp(seconds, kMinTransitionSeconds, kMaxTransitionSeconds);
}

inline void fit_durations(EffectRecord& effect) {
  effect.display_seconds = fit_display_seconds(effect.display_seconds);
  effect.transition_seconds = fit_transition_seconds(effect.transition_seconds);
}

}  // namespace pictavo
