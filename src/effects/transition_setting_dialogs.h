#pragma once

#include "effects/transition_params.h"

namespace pictavo {

// The setting dialogs of the transition types with parameters. The user interface
// implements them; the engine reaches them only through
// TransitionParams::open_setting_dialog, so it never depends on a toolkit.
//
// The dialog for the object's type shows the object's values, offers the type's
// default and random values, and on OK stores what the user chose with set_values
// and returns true; on Cancel it leaves the object as it was and returns false.
class TransitionSettingDialogs {
 public:
  virtual ~TransitionSettingDialogs() = default;

  // `params` is of one of the 18 types with parameters.
  virtual bool open(TransitionParams& params) = 0;
};

}  // namespace pictavo
