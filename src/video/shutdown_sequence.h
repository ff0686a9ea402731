#pragma once

#include "video/system_power.h"

namespace pictavo {

class Project;

enum class ShutdownResult {
  kPoweredOff,
  kProjectNotSaved,  // the project has changes that could not be saved: the computer stays on
  kNoConnection,
  kRefused,
};

// The end of a successful make-video job for which the user asked the computer to
// be switched off, once the countdown (shutdown_countdown_message) ran out or was
// answered OK: saves the project silently, then switches the computer off through
// `power`. Whatever stops it is shown through the project's front end.
ShutdownResult shut_down_after_job(Project& project, SystemPower& power);

}  // namespace pictavo
