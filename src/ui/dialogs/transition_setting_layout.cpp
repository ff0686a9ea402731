#include "ui/dialogs/transition_setting_layout.h"

#include <array>

namespace pictavo {
namespace {

constexpr SettingChoice kAlphaModes[] = {{"Normal", 0}, {"Fade to white", 1}, {"Fade to black", 2}};
constexpr SettingChoice kLeftOrRight[] = {{"Left to right", 0}, {"Right to left", 1}};
constexpr SettingChoice kCircleDirections[] = {{"Small to big", 0}, {"Big to small", 1}};
constexpr SettingChoice kFingers[] = {{"1 Finger", 0}, {"2 Fingers", 1}, {"4 Fingers", 2}};
constexpr SettingChoice kYesOrNo[] = {{"Yes", 1}, {"No", 0}};
constexpr SettingChoice kCubeFlyDirections[] = {
    {"Bottom to top", 0}, {"Top to bottom", 1}, {"Left to right", 2}, {"Right to left", 3}};
constexpr SettingChoice kFourSides[] = {
    {"Left to right", 0}, {"Right to left", 1}, {"Bottom to top", 2}, {"Top to bottom", 3}};
constexpr SettingChoice kDoorModes[] = {{"Open door", 0}, {"Close door", 1}};
constexpr SettingChoice kAxes[] = {{"Vertical", 0}, {"Horizontal", 1}};
constexpr SettingChoice kFlyModes[] = {{"Fly in", 0}, {"Fly out", 1}};
constexpr SettingChoice kTurns[] = {{"Clockwise", 0}, {"Anticlockwise", 1}};
constexpr SettingChoice kZoomModes[] = {{"Zoom in", 0}, {"Zoom out", 1}};

constexpr ParameterControls radios(std::span<const SettingChoice> choices) {
  return {choices, false};
}
constexpr ParameterControls kList{{}, true};
constexpr ParameterControls kNone{};

// By type id; Random's entry is never used.
constexpr std::array<TransitionSettingLayout, kTransitionTypeCount> kLayouts{{
    {"Transition Alpha Setting", radios(kAlphaModes), kNone},
    {"Transition Accordion Setting", radios(kLeftOrRight), kNone},
    {"Transition Blinds Setting", radios(kLeftOrRight), kList},
    {"Transition Circle Setting", radios(kCircleDirections), kList},
    {"Transition Clock Setting", radios(kFingers), radios(kYesOrNo)},
    {"Transition Cube Fly Setting", radios(kCubeFlyDirections), kNone},
    {"Transition Diagonal Sweep Setting", radios(kLeftOrRight), kList},
    {"Transition Door Setting", radios(kDoorModes), kNone},
    {"Transition Flip Setting", radios(kAxes), kNone},
    {"Transition Fly Setting", radios(kFlyModes), kNone},
    {"Transition Polygon Setting", kList, radios(kFlyModes)},
    {"Transition Rotate Setting", radios(kTurns), kNone},
    {"Transition Shutter Setting", radios(kAxes), kList},
    {"Transition Spin Setting", radios(kTurns), kNone},
    {"Transition Sweep Setting", radios(kFourSides), kList},
    {"Transition Twist Setting", radios(kLeftOrRight), kNone},
    {"Transition Wipe Setting", radios(kFourSides), radios(kYesOrNo)},
    {"Transition Zoom Setting", radios(kZoomModes), kNone},
    {{}, kNone, kNone},
}};

}  // namespace

const TransitionSettingLayout& transition_setting_layout(TransitionType type) {
  return kLayouts[static_cast<std::size_t>(type)];
}

}  // namespace pictavo
