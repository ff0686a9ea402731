#include "effects/transition_form.h"

#include <algorithm>
#include <array>

#include "base/translation_mark.h"
#include "effects/random_generator.h"

namespace pictavo {
namespace {

// The draws, each one value of the generator. Where a type draws two values the
// direction (or finger count) comes first, whichever parameter holds it.
int draw_two_way() {
  return draw_choice(16380, 2);
}
int draw_three_way() {
  return draw_choice(10920, 3);
}
int draw_four_way() {
  return draw_choice(8190, 4);
}
int draw_width() {
  return std::clamp(draw_random() / 405, 1, 80);
}
// Seven counts from `first`; the single overflow value gives the largest.
int draw_count_from(int first) {
  const int step = draw_random() / 4680;
  return step < 7 ? first + step : first + 6;
}

TransitionValues one_of_two() {
  return {draw_two_way(), 0};
}
TransitionValues one_of_three() {
  return {draw_three_way(), 0};
}
TransitionValues one_of_four() {
  return {draw_four_way(), 0};
}
TransitionValues two_way_with_width() {
  const int direction = draw_two_way();
  return {direction, draw_width()};
}
TransitionValues four_way_with_width() {
  const int direction = draw_four_way();
  return {direction, draw_width()};
}
TransitionValues blinds() {
  const int direction = draw_two_way();
  return {direction, draw_count_from(4)};
}
TransitionValues clock() {
  const int fingers = draw_three_way();
  return {fingers, draw_two_way()};
}
TransitionValues polygon() {
  const int direction = draw_two_way();
  return {draw_count_from(3), direction};
}
TransitionValues wipe() {
  const int direction = draw_four_way();
  return {direction, draw_two_way()};
}
TransitionValues nothing() {
  return {};
}

// What the setting dialogs call the parameters.
constexpr std::string_view kAxis = QT_TRANSLATE_NOOP("Engine", "axis");
constexpr std::string_view kDirection = QT_TRANSLATE_NOOP("Engine", "direction");
constexpr std::string_view kFingers = QT_TRANSLATE_NOOP("Engine", "fingers");
constexpr std::string_view kMode = QT_TRANSLATE_NOOP("Engine", "mode");
constexpr std::string_view kPush = QT_TRANSLATE_NOOP("Engine", "push");
constexpr std::string_view kSides = QT_TRANSLATE_NOOP("Engine", "sides");
constexpr std::string_view kSmooth = QT_TRANSLATE_NOOP("Engine", "smooth");
constexpr std::string_view kWidth = QT_TRANSLATE_NOOP("Engine", "width");
constexpr std::string_view kWindowNumber = QT_TRANSLATE_NOOP("Engine", "window number");

constexpr ParameterForm kNoParameter{};

constexpr ParameterForm choice(std::string_view label, std::string_view element, int count,
                               int default_value = 0) {
  return {label, element, 0, count - 1, default_value};
}
constexpr ParameterForm width(std::string_view element) {
  return {kWidth, element, 1, 80, 40};
}

constexpr TransitionForm one(ParameterForm p1, TransitionValues (*draw)()) {
  return {1, {}, p1, kNoParameter, draw};
}
constexpr TransitionForm two(std::string_view group, ParameterForm p1, ParameterForm p2,
                             TransitionValues (*draw)()) {
  return {2, group, p1, p2, draw};
}

const std::array<TransitionForm, kTransitionTypeCount> kForms{{
    one(choice(kMode, "TRANSITION_EFFECT_ALPHA_PARAM", 3), one_of_three),
    one(choice(kDirection, "TRANSITION_EFFECT_ACCORDION_PARAM", 2), one_of_two),
    two("TRANSITION_EFFECT_BLIND_PARAM",
        choice(kDirection, "TRANSITION_EFFECT_BLIND_PARAM_DIRECTION", 2),
        {kWindowNumber, "TRANSITION_EFFECT_BLIND_WINDOW_NUMBER", 4, 10, 8}, blinds),
    two("TRANSITION_EFFECT_CIRCLE_PARAM",
        choice(kDirection, "TRANSITION_EFFECT_CIRCLE_PARAM_DIRECTION", 2),
        width("TRANSITION_EFFECT_CIRCLE_WIDTH"), two_way_with_width),
    two("TRANSITION_EFFECT_CLOCK_PARAM",
        choice(kFingers, "TRANSITION_EFFECT_CLOCK_FINGER_NUMBER", 3, 2),
        choice(kSmooth, "TRANSITION_EFFECT_CLOCK_PARAM_USE_SMOOTH", 2, 1), clock),
    one(choice(kDirection, "TRANSITION_EFFECT_CUBE_FLY_PARAM", 4), one_of_four),
    two("TRANSITION_EFFECT_DIAGONAL_SWEEP_PARAM",
        choice(kDirection, "TRANSITION_EFFECT_DIAGONAL_SWEEP_DIRECTION", 2),
        width("TRANSITION_EFFECT_DIAGONAL_SWEEP_PARAM_WIDTH"), two_way_with_width),
    one(choice(kMode, "TRANSITION_EFFECT_DOOR_PARAM", 2), one_of_two),
    one(choice(kAxis, "TRANSITION_EFFECT_FLIP_PARAM", 2), one_of_two),
    one(choice(kMode, "TRANSITION_EFFECT_FLY_PARAM", 2, 1), one_of_two),
    two("TRANSITION_EFFECT_POLYGON_PARAM",
        {kSides, "TRANSITION_EFFECT_POLYGON_PARAM_NUMBER", 3, 9, 7},
        choice(kDirection, "TRANSITION_EFFECT_POLYGON_DIRECTION", 2), polygon),
    one(choice(kDirection, "TRANSITION_EFFECT_ROTATE_IN_PARAM", 2), one_of_two),
    two("TRANSITION_EFFECT_SHUTTER_PARAM",
        choice(kDirection, "TRANSITION_EFFECT_SHUTTER_DIRECTION", 2),
        width("TRANSITION_EFFECT_SHUTTER_PARAM_WIDTH"), two_way_with_width),
    // Spin's parameter element carries the type's own name.
    one(choice(kDirection, "TRANSITION_EFFECT_SPIN", 2), one_of_two),
    two("TRANSITION_EFFECT_SWEEP_PARAM", choice(kDirection, "TRANSITION_EFFECT_SWEEP_DIRECTION", 4),
        width("TRANSITION_EFFECT_SWEEP_PARAM_WIDTH"), four_way_with_width),
    one(choice(kDirection, "TRANSITION_EFFECT_TWIST_PARAM", 2), one_of_two),
    two("TRANSITION_EFFECT_WIPE_PARAM", choice(kDirection, "TRANSITION_EFFECT_WIPE_DIRECTION", 4),
        choice(kPush, "TRANSITION_EFFECT_WIPE_PARAM_PUSH", 2, 1), wipe),
    one(choice(kDirection, "TRANSITION_EFFECT_ZOOM_PARAM", 2), one_of_two),
    {0, {}, kNoParameter, kNoParameter, nothing},
}};

}  // namespace

TransitionValues TransitionForm::clamped(TransitionValues values) const {
  return {parameter_count >= 1 ? std::clamp(values.p1, p1.min, p1.max) : 0,
          parameter_count >= 2 ? std::clamp(values.p2, p2.min, p2.max) : 0};
}

const TransitionForm& transition_form(TransitionType type) {
  return kForms[static_cast<std::size_t>(type)];
}

}  // namespace pictavo
