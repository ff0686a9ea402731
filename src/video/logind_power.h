#pragma once

#include "video/system_power.h"

namespace pictavo {

// Switches the computer off through systemd-logind on the system bus
// (org.freedesktop.login1.Manager.PowerOff). logind decides whether the user may:
// a desktop session normally may; otherwise it refuses rather than ask for a
// password, since nobody may be at the computer when a long job ends.
class LogindPower final : public SystemPower {
 public:
  Result power_off() override;
};

}  // namespace pictavo
