#pragma once

#include <functional>

#include "effects/transition_setting_dialogs.h"

class QWidget;

namespace pictavo {

class TransitionSettingDialog;

// The transition setting dialogs of the desktop program: each open runs a
// TransitionSettingDialog for the object, modal over the parent window.
class QtTransitionSettingDialogs final : public TransitionSettingDialogs {
 public:
  // Runs a dialog to its end and gives its result (QDialog::Accepted or Rejected).
  // The program execs the dialog; tests click its buttons instead.
  using Runner = std::function<int(TransitionSettingDialog&)>;

  explicit QtTransitionSettingDialogs(QWidget* parent);
  QtTransitionSettingDialogs(QWidget* parent, Runner runner);

  bool open(AlphaParams& params) override;
  bool open(AccordionParams& params) override;
  bool open(BlindsParams& params) override;
  bool open(CircleParams& params) override;
  bool open(ClockParams& params) override;
  bool open(CubeFlyParams& params) override;
  bool open(DiagonalSweepParams& params) override;
  bool open(DoorParams& params) override;
  bool open(FlipParams& params) override;
  bool open(FlyParams& params) override;
  bool open(PolygonParams& params) override;
  bool open(RotateInParams& params) override;
  bool open(ShutterParams& params) override;
  bool open(SpinParams& params) override;
  bool open(SweepParams& params) override;
  bool open(TwistParams& params) override;
  bool open(WipeParams& params) override;
  bool open(ZoomParams& params) override;

 private:
  bool run(TransitionParams& params);

  QWidget* parent_;
  Runner runner_;
};

}  // namespace pictavo
