#include "video/shutdown_sequence.h"

#include "model/project.h"
#include "model/project_file.h"
#include "video/make_video_messages.h"

namespace pictavo {

ShutdownResult shut_down_after_job(Project& project, SystemPower& power) {
  // Saving writes only when there are changes; changes still marked after it are
  // changes that would be lost.
  save_project_silently(project);
  if (project.has_changes()) {
    project.front_end.show(project_not_saved_for_shutdown_message());
    return ShutdownResult::kProjectNotSaved;
  }
  switch (power.power_off()) {
    case SystemPower::Result::kDone:
      return ShutdownResult::kPoweredOff;
    case SystemPower::Result::kNoConnection:
      project.front_end.show(no_power_connection_message());
      return ShutdownResult::kNoConnection;
    case SystemPower::Result::kRefused:
      break;
  }
  project.front_end.show(power_off_refused_message());
  return ShutdownResult::kRefused;
}

}  // namespace pictavo
