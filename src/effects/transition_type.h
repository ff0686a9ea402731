#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace pictavo {

// Transition ids in alphabetical order of their display names; the parameter
// classes, the renderers' dispatch and the stored files all agree on this order.
// kRandom lives only in templates and in the user's choice: a photo that is
// rendered always holds one of the 18 concrete ids.
enum class TransitionType : int {
  kAlpha = 0,
  kAccordion = 1,
  kBlinds = 2,
  kCircle = 3,
  kClock = 4,
  kCubeFly = 5,
  kDiagonalSweep = 6,
  kDoor = 7,
  kFlip = 8,
  kFly = 9,
  kPolygon = 10,
  kRotateIn = 11,
  kShutter = 12,
  kSpin = 13,
  kSweep = 14,
  kTwist = 15,
  kWipe = 16,
  kZoom = 17,
  kRandom = 18,
};
inline constexpr int kConcreteTransitionCount = 18;
inline constexpr int kTransitionTypeCount = 19;

inline constexpr bool is_transition_type(int id) {
  return id >= 0 && id < kTransitionTypeCount;
}

// "Alpha", "Cube fly", ...; "Random" for kRandom. Empty for ids outside the table.
std::string_view display_name(TransitionType type);
// The NAME that stored files use: "TRANSITION_EFFECT_ALPHA", "TRANSITION_EFFECT_BLIND", ...
std::string_view file_name(TransitionType type);
// The preview picture in the EffectCover folder: "alpha.jpg", ..., "random.jpg".
std::string_view cover_file_name(TransitionType type);

// The type whose file NAME is exactly `name`.
std::optional<TransitionType> transition_from_file_name(std::string_view name);

// Pickers list Random first: picker index 0 is kRandom, index id + 1 the type id.
inline constexpr int kPickerCount = kTransitionTypeCount;
TransitionType transition_at_picker_index(int index);  // index must be 0 to 18
int picker_index(TransitionType type);

// The transition choice list of the pickers: "Random", then the 18 names in id order.
std::span<const std::string_view> transition_choice_list();
// The 18 names in id order followed by "random" (index = id).
std::span<const std::string_view> transition_name_list();

}  // namespace pictavo
