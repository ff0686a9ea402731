#include "ui/dialogs/transition_setting_layout.h"

#include <QtGlobal>
#include <array>

namespace pictavo {
namespace {

constexpr SettingChoice kAlphaModes[] = {
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Normal"), 0},
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Fade to white"), 1},
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Fade to black"), 2}};
constexpr SettingChoice kLeftOrRight[] = {
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Left to right"), 0},
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Right to left"), 1}};
constexpr SettingChoice kCircleDirections[] = {
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Small to big"), 0},
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Big to small"), 1}};
constexpr SettingChoice kFingers[] = {
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "1 Finger"), 0},
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "2 Fingers"), 1},
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "4 Fingers"), 2}};
constexpr SettingChoice kYesOrNo[] = {
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Yes"), 1},
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "No"), 0}};
constexpr SettingChoice kCubeFlyDirections[] = {
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Bottom to top"), 0},
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Top to bottom"), 1},
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Left to right"), 2},
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Right to left"), 3}};
constexpr SettingChoice kFourSides[] = {
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Left to right"), 0},
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Right to left"), 1},
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Bottom to top"), 2},
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Top to bottom"), 3}};
constexpr SettingChoice kDoorModes[] = {
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Open door"), 0},
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Close door"), 1}};
constexpr SettingChoice kAxes[] = {
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Vertical"), 0},
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Horizontal"), 1}};
constexpr SettingChoice kFlyModes[] = {
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Fly in"), 0},
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Fly out"), 1}};
constexpr SettingChoice kTurns[] = {
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Clockwise"), 0},
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Anticlockwise"), 1}};
constexpr SettingChoice kZoomModes[] = {
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Zoom in"), 0},
    {QT_TRANSLATE_NOOP("pictavo::TransitionParameterBox", "Zoom out"), 1}};

constexpr ParameterControls radios(std::span<const SettingChoice> choices) {
  return {choices, false};
}
constexpr ParameterControls kList{{}, true};
constexpr ParameterControls kNone{};

// By type id; Random's entry is never used.
constexpr std::array<TransitionSettingLayout, kTransitionTypeCount> kLayouts{{
    {QT_TRANSLATE_NOOP("pictavo::TransitionSettingDialog", "Transition Alpha Setting"),
     radios(kAlphaModes), kNone},
    {QT_TRANSLATE_NOOP("pictavo::TransitionSettingDialog", "Transition Accordion Setting"),
     radios(kLeftOrRight), kNone},
    {QT_TRANSLATE_NOOP("pictavo::TransitionSettingDialog", "Transition Blinds Setting"),
     radios(kLeftOrRight), kList},
    {QT_TRANSLATE_NOOP("pictavo::TransitionSettingDialog", "Transition Circle Setting"),
     radios(kCircleDirections), kList},
    {QT_TRANSLATE_NOOP("pictavo::TransitionSettingDialog", "Transition Clock Setting"),
     radios(kFingers), radios(kYesOrNo)},
    {QT_TRANSLATE_NOOP("pictavo::TransitionSettingDialog", "Transition Cube Fly Setting"),
     radios(kCubeFlyDirections), kNone},
    {QT_TRANSLATE_NOOP("pictavo::TransitionSettingDialog", "Transition Diagonal Sweep Setting"),
     radios(kLeftOrRight), kList},
    {QT_TRANSLATE_NOOP("pictavo::TransitionSettingDialog", "Transition Door Setting"),
     radios(kDoorModes), kNone},
    {QT_TRANSLATE_NOOP("pictavo::TransitionSettingDialog", "Transition Flip Setting"),
     radios(kAxes), kNone},
    {QT_TRANSLATE_NOOP("pictavo::TransitionSettingDialog", "Transition Fly Setting"),
     radios(kFlyModes), kNone},
    {QT_TRANSLATE_NOOP("pictavo::TransitionSettingDialog", "Transition Polygon Setting"), kList,
     radios(kFlyModes)},
    {QT_TRANSLATE_NOOP("pictavo::TransitionSettingDialog", "Transition Rotate Setting"),
     radios(kTurns), kNone},
    {QT_TRANSLATE_NOOP("pictavo::TransitionSettingDialog", "Transition Shutter Setting"),
     radios(kAxes), kList},
    {QT_TRANSLATE_NOOP("pictavo::TransitionSettingDialog", "Transition Spin Setting"),
     radios(kTurns), kNone},
    {QT_TRANSLATE_NOOP("pictavo::TransitionSettingDialog", "Transition Sweep Setting"),
     radios(kFourSides), kList},
    {QT_TRANSLATE_NOOP("pictavo::TransitionSettingDialog", "Transition Twist Setting"),
     radios(kLeftOrRight), kNone},
    {QT_TRANSLATE_NOOP("pictavo::TransitionSettingDialog", "Transition Wipe Setting"),
     radios(kFourSides), radios(kYesOrNo)},
    {QT_TRANSLATE_NOOP("pictavo::TransitionSettingDialog", "Transition Zoom Setting"),
     radios(kZoomModes), kNone},
    {nullptr, kNone, kNone},
}};

}  // namespace

const TransitionSettingLayout& transition_setting_layout(TransitionType type) {
  return kLayouts[static_cast<std::size_t>(type)];
}

}  // namespace pictavo
