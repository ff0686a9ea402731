#include "effects/transition_type.h"

#include <array>

#include "base/translation_mark.h"

namespace pictavo {
namespace {

struct TransitionNames {
  std::string_view display;
  std::string_view file;
  std::string_view cover;
};

constexpr std::array<TransitionNames, kTransitionTypeCount> kNames{{
    {QT_TRANSLATE_NOOP("Engine", "Alpha"), "TRANSITION_EFFECT_ALPHA", "alpha.jpg"},
    {QT_TRANSLATE_NOOP("Engine", "Accordion"), "TRANSITION_EFFECT_ACCORDION", "accordion.jpg"},
    {QT_TRANSLATE_NOOP("Engine", "Blinds"), "TRANSITION_EFFECT_BLIND", "blinds.jpg"},
    {QT_TRANSLATE_NOOP("Engine", "Circle"), "TRANSITION_EFFECT_CIRCLE", "circle.jpg"},
    {QT_TRANSLATE_NOOP("Engine", "Clock"), "TRANSITION_EFFECT_CLOCK", "clock.jpg"},
    {QT_TRANSLATE_NOOP("Engine", "Cube fly"), "TRANSITION_EFFECT_CUBE_FLY", "cubefly.jpg"},
    {QT_TRANSLATE_NOOP("Engine", "Diagonal sweep"), "TRANSITION_EFFECT_DIAGONAL_SWEEP",
     "diagonalsweep.jpg"},
    {QT_TRANSLATE_NOOP("Engine", "Door"), "TRANSITION_EFFECT_DOOR", "door.jpg"},
    {QT_TRANSLATE_NOOP("Engine", "Flip"), "TRANSITION_EFFECT_FLIP", "flip.jpg"},
    {QT_TRANSLATE_NOOP("Engine", "Fly"), "TRANSITION_EFFECT_FLY", "fly.jpg"},
    {QT_TRANSLATE_NOOP("Engine", "Polygon"), "TRANSITION_EFFECT_POLYGON", "polygon.jpg"},
    {QT_TRANSLATE_NOOP("Engine", "Rotate in"), "TRANSITION_EFFECT_ROTATE_IN", "rotatein.jpg"},
    {QT_TRANSLATE_NOOP("Engine", "Shutter"), "TRANSITION_EFFECT_SHUTTER", "shutter.jpg"},
    {QT_TRANSLATE_NOOP("Engine", "Spin"), "TRANSITION_EFFECT_SPIN", "spin.jpg"},
    {QT_TRANSLATE_NOOP("Engine", "Sweep"), "TRANSITION_EFFECT_SWEEP", "sweep.jpg"},
    {QT_TRANSLATE_NOOP("Engine", "Twist"), "TRANSITION_EFFECT_TWIST", "twist.jpg"},
    {QT_TRANSLATE_NOOP("Engine", "Wipe"), "TRANSITION_EFFECT_WIPE", "wipe.jpg"},
    {QT_TRANSLATE_NOOP("Engine", "Zoom"), "TRANSITION_EFFECT_ZOOM", "zoom.jpg"},
    {QT_TRANSLATE_NOOP("Engine", "Random"), "TRANSITION_EFFECT_RANDOM", "random.jpg"},
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
