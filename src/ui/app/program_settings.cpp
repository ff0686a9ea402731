#include "ui/app/program_settings.h"

namespace pictavo {

QString ProgramSettings::project_folder() const {
  return settings_.value("Software/Pictavo/ProjectFolder").toString();
}

void ProgramSettings::set_project_folder(const QString& folder) {
  settings_.setValue("Software/Pictavo/ProjectFolder", folder);
}

bool ProgramSettings::tip_at_start_up() const {
  const QVariant flag = settings_.value("Software/Pictavo/TipEveryDay/TipDisplayFlag");
  return !flag.isValid() || flag.toString().toInt() != 0;
}

void ProgramSettings::set_tip_at_start_up(bool show) {
  settings_.setValue("Software/Pictavo/TipEveryDay/TipDisplayFlag", show ? "1" : "0");
}

QString ProgramSettings::tip_time_stamp() const {
  return settings_.value("Tip/TimeStamp").toString();
}

void ProgramSettings::set_tip_time_stamp(const QString& stamp) {
  settings_.setValue("Tip/TimeStamp", stamp);
}

long long ProgramSettings::tip_position() const {
  return settings_.value("Tip/FilePos", 0).toLongLong();
}

void ProgramSettings::set_tip_position(long long position) {
  settings_.setValue("Tip/FilePos", position);
}

QByteArray ProgramSettings::window_geometry() const {
  return settings_.value("Window/Geometry").toByteArray();
}

void ProgramSettings::set_window_geometry(const QByteArray& geometry) {
  settings_.setValue("Window/Geometry", geometry);
}

}  // namespace pictavo
