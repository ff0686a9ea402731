#include "effects/transition_form.h"

#include <algorithm>
#include <array>

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

constexpr ParameterForm kNoParameter{};

constexpr ParameterForm choice(std::string_view label, std::string_view element, int count,
                               int default_value = 0) {
  return {label, element, 0, count - 1, default_value};
}
constexpr ParameterForm width(std::string_view element) {
  return {"width", element, 1, 80, 40};
}

constexpr TransitionForm one(ParameterForm p1, TransitionValues (*draw)()) {
  return {1, {}, p1, kNoParameter, draw};
}
constexpr TransitionForm two(std::string_view group, ParameterForm p1, ParameterForm p2,
                             TransitionValues (*draw)()) {
  return {2, group, p1, p2, draw};
}

const std::array<TransitionForm, kTransitionTypeCount> kForms{{
    one(choice("mode", "TRANSITION_EFFECT_ALPHA_PARAM", 3), one_of_three),
    one(choice("direction", "TRANSITION_EFFECT_ACCORDION_PARAM", 2), one_of_two),
    two("TRANSITION_EFFECT_BLIND_PARAM",
        choice("direction", "TRANSITION_EFFECT_BLIND_PARAM_DIRECTION", 2),
        {"window number", "TRANSITION_EFFECT_BLIND_WINDOW_NUMBER", 4, 10, 8}, blinds),
    two("TRANSITION_EFFECT_CIRCLE_PARAM",
        choice("direction", "TRANSITION_EFFECT_CIRCLE_PARAM_DIRECTION", 2),
        width("TRANSITION_EFFECT_CIRCLE_WIDTH"), two_way_with_width),
    two("TRANSITION_EFFECT_CLOCK_PARAM",
        choice("fingers", "TRANSITION_EFFECT_CLOCK_FINGER_NUMBER", 3, 2),
        choice("smooth", "TRANSITION_EFFECT_CLOCK_PARAM_USE_SMOOTH", 2, 1), clock),
    one(choice("direction", "TRANSITION_EFFECT_CUBE_FLY_PARAM", 4), one_of_four),
    two("TRANSITION_EFFECT_DIAGONAL_SWEEP_PARAM",
        choice("direction", "TRANSITION_EFFECT_DIAGONAL_SWEEP_DIRECTION", 2),
        width("TRANSITION_EFFECT_DIAGONAL_SWEEP_PARAM_WIDTH"), two_way_with_width),
    one(choice("mode", "TRANSITION_EFFECT_DOOR_PARAM", 2), one_of_two),
    one(choice("axis", "TRANSITION_EFFECT_FLIP_PARAM", 2), one_of_two),
    one(choice("mode", "TRANSITION_EFFECT_FLY_PARAM", 2, 1), one_of_two),
    two("TRANSITION_EFFECT_POLYGON_PARAM",
        {"sides", "TRANSITION_EFFECT_POLYGON_PARAM_NUMBER", 3, 9, 7},
        choice("direction", "TRANSITION_EFFECT_POLYGON_DIRECTION", 2), polygon),
    one(choice("direction", "TRANSITION_EFFECT_ROTATE_IN_PARAM", 2), one_of_two),
    two("TRANSITION_EFFECT_SHUTTER_PARAM",
        choice("direction", "TRANSITION_EFFECT_SHUTTER_DIRECTION", 2),
        width("TRANSITION_EFFECT_SHUTTER_PARAM_WIDTH"), two_way_with_width),
    // Spin's parameter element carries the type's own name.
    one(choice("direction", "TRANSITION_EFFECT_SPIN", 2), one_of_two),
    two("TRANSITION_EFFECT_SWEEP_PARAM",
        choice("direction", "TRANSITION_EFFECT_SWEEP_DIRECTION", 4),
        width("TRANSITION_EFFECT_SWEEP_PARAM_WIDTH"), four_way_with_width),
    one(choice("direction", "TRANSITION_EFFECT_TWIST_PARAM", 2), one_of_two),
    two("TRANSITION_EFFECT_WIPE_PARAM", choice("direction", "TRANSITION_EFFECT_WIPE_DIRECTION", 4),
        choice("push", "TRANSITION_EFFECT_WIPE_PARAM_PUSH", 2, 1), wipe),
    one(choice("direction", "TRANSITION_EFFECT_ZOOM_PARAM", 2), one_of_two),
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
