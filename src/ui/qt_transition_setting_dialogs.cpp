#include "ui/qt_transition_setting_dialogs.h"

#include <utility>

#include "ui/transition_setting_dialog.h"

namespace pictavo {

QtTransitionSettingDialogs::QtTransitionSettingDialogs(QWidget* parent)
    : QtTransitionSettingDialogs(parent,
                                 [](TransitionSettingDialog& dialog) { return dialog.exec(); }) {}

QtTransitionSettingDialogs::QtTransitionSettingDialogs(QWidget* parent, Runner runner)
    : parent_(parent), runner_(std::move(runner)) {}

bool QtTransitionSettingDialogs::run(TransitionParams& params) {
  TransitionSettingDialog dialog(params, parent_);
  return runner_(dialog) == QDialog::Accepted;
}

bool QtTransitionSettingDialogs::open(AlphaParams& params) {
  return run(params);
}
bool QtTransitionSettingDialogs::open(AccordionParams& params) {
  return run(params);
}
bool QtTransitionSettingDialogs::open(BlindsParams& params) {
  return run(params);
}
bool QtTransitionSettingDialogs::open(CircleParams& params) {
  return run(params);
}
bool QtTransitionSettingDialogs::open(ClockParams& params) {
  return run(params);
}
bool QtTransitionSettingDialogs::open(CubeFlyParams& params) {
  return run(params);
}
bool QtTransitionSettingDialogs::open(DiagonalSweepParams& params) {
  return run(params);
}
bool QtTransitionSettingDialogs::open(DoorParams& params) {
  return run(params);
}
bool QtTransitionSettingDialogs::open(FlipParams& params) {
  return run(params);
}
bool QtTransitionSettingDialogs::open(FlyParams& params) {
  return run(params);
}
bool QtTransitionSettingDialogs::open(PolygonParams& params) {
  return run(params);
}
bool QtTransitionSettingDialogs::open(RotateInParams& params) {
  return run(params);
}
bool QtTransitionSettingDialogs::open(ShutterParams& params) {
  return run(params);
}
bool QtTransitionSettingDialogs::open(SpinParams& params) {
  return run(params);
}
bool QtTransitionSettingDialogs::open(SweepParams& params) {
  return run(params);
}
bool QtTransitionSettingDialogs::open(TwistParams& params) {
  return run(params);
}
bool QtTransitionSettingDialogs::open(WipeParams& params) {
  return run(params);
}
bool QtTransitionSettingDialogs::open(ZoomParams& params) {
  return run(params);
}

}  // namespace pictavo
