#pragma once

namespace pictavo {

// Switches the computer off: logind in the program (logind_power.h), a fake in
// tests, which must never switch anything off.
class SystemPower {
 public:
  enum class Result {
    kDone,          // the system is going down
    kNoConnection,  // the system's service manager cannot be reached
    kRefused,       // it does not let this user switch the computer off
  };

  virtual ~SystemPower() = default;
  virtual Result power_off() = 0;
};

}  // namespace pictavo
