#pragma once

#include "effects/transition_params.h"

namespace pictavo {

// The setting dialogs of the transition types, one per type with parameters. The
// user interface implements them; the engine reaches them only through
// TransitionParams::open_setting_dialog, so it never depends on a toolkit.
//
// Each dialog shows the object's values, offers the type's default and random
// values, and on OK stores what the user chose with set_values and returns true;
// on Cancel it leaves the object as it was and returns false.
class TransitionSettingDialogs {
 public:
  virtual ~TransitionSettingDialogs() = default;

  virtual bool open(AlphaParams& params) = 0;
  virtual bool open(AccordionParams& params) = 0;
  virtual bool open(BlindsParams& params) = 0;
  virtual bool open(CircleParams& params) = 0;
  virtual bool open(ClockParams& params) = 0;
  virtual bool open(CubeFlyParams& params) = 0;
  virtual bool open(DiagonalSweepParams& params) = 0;
  virtual bool open(DoorParams& params) = 0;
  virtual bool open(FlipParams& params) = 0;
  virtual bool open(FlyParams& params) = 0;
  virtual bool open(PolygonParams& params) = 0;
  virtual bool open(RotateInParams& params) = 0;
  virtual bool open(ShutterParams& params) = 0;
  virtual bool open(SpinParams& params) = 0;
  virtual bool open(SweepParams& params) = 0;
  virtual bool open(TwistParams& params) = 0;
  virtual bool open(WipeParams& params) = 0;
  virtual bool open(ZoomParams& params) = 0;
};

}  // namespace pictavo
