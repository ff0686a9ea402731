#include "effects/transition_type.h"

#include <array>

namespace pictavo {
namespace {

struct TransitionNames {
  std::string_view display;
  std::string_view file;
  std::string_view cover;
};

constexpr std::array<TransitionNames, kTransitionTypeCount> kNames{{
    {"Alpha", "TRANSITION_EFFECT_ALPHA", "alpha.jpg"},
    {"Accordion", "TRANSITION_EFFECT_ACCORDION", "accordion.jpg"},
    {"Blinds", "TRANSITION_EFFECT_BLIND", "blinds.jpg"},
    {"Circle", "TRANSITION_EFFECT_CIRCLE", "circle.jpg"},
    {"Clock", "TRANSITION_EFFECT_CLOCK", "clock.jpg"},
    {"Cube fly", "TRANSITION_EFFECT_CUBE_FLY", "cubefly.jpg"},
    {"Diagonal sweep", "TRANSITION_EFFECT_DIAGONAL_SWEEP", "diagonalsweep.jpg"},
    {"Door", "TRANSITION_EFFECT_DOOR", "door.jpg"},
    {"Flip", "TRANSITION_EFFECT_FLIP", "flip.jpg"},
    {"Fly", "TRANSITION_EFFECT_FLY", "fly.jpg"},
    {"Polygon", "TRANSITION_EFFECT_POLYGON", "polygon.jpg"},
    {"Rotate in", "TRANSITION_EFFECT_ROTATE_IN", "rotatein.jpg"},
    {"Shutter", "TRANSITION_EFFECT_SHUTTER", "shutter.jpg"},
    {"Spin", "TRANSITION_EFFECT_SPIN", "spin.jpg"},
    {"Sweep", "TRANSITION_EFFECT_SWEEP", "sweep.jpg"},
    {"Twist", "TRANSITION_EFFECT_TWIST", "twist.jpg"},
    {"Wipe", "TRANSITION_EFFECT_WIPE", "wipe.jpg"},
    {"Zoom", "TRANSITION_EFFECT_ZOOM", "zoom.jpg"},
    {"Random", "TRANSITION_EFFECT_RANDOM", "random.jpg"},
}};

constexpr std::array<std::string_view, kPickerCount> kChoiceList = [] {
  std::array<std::string_view, kPickerCount> list{};
  list[0] = kNames[kConcreteTransitionCount].display;
  for (int id = 0; id < kConcreteTransitionCount; ++id)
    list[id + 1] = kNames[id].display;
  return list;
}();

constexpr std::array<std::string_view, kTransitionTypeCount> kNameList = [] {
  std::array<std::string_view, kTransitionTypeCount> list{};
  for (int id = 0; id < kConcreteTransitionCount; ++id)
    list[id] = kNames[id].display;
  list[kConcreteTransitionCount] = "random";
  return list;
}();

const TransitionNames* names_of(TransitionType type) {
  const int id = static_cast<int>(type);
  return is_transition_type(id) ? &kNames[static_cast<std::size_t>(id)] : nullptr;
}

}  // namespace

std::string_view display_name(TransitionType type) {
  const TransitionNames* names = names_of(type);
  return names ? names->display : std::string_view{};
}

std::string_view file_name(TransitionType type) {
  const TransitionNames* names = names_of(type);
  return names ? names->file : std::string_view{};
}

std::string_view cover_file_name(TransitionType type) {
  const TransitionNames* names = names_of(type);
  return names ? names->cover : std::string_view{};
}

std::optional<TransitionType> transition_from_file_name(std::string_view name) {
  for (int id = 0; id < kTransitionTypeCount; ++id) {
    if (kNames[static_cast<std::size_t>(id)].file == name) return static_cast<TransitionType>(id);
  }
  return std::nullopt;
}

TransitionType transition_at_picker_index(int index) {
  return index == 0 ? TransitionType::kRandom : static_cast<TransitionType>(index - 1);
}

int picker_index(TransitionType type) {
  return type == TransitionType::kRandom ? 0 : static_cast<int>(type) + 1;
}

std::span<const std::string_view> transition_choice_list() {
  return kChoiceList;
}

std::span<const std::string_view> transition_name_list() {
  return kNameList;
}

}  // namespace pictavo
