#include "ui/program_settings.h"

namespace pictavo {
namespace {

const QString kProductAddress = QStringLiteral("https://pictavo.invalid/");

}  // namespace

QString ProgramSettings::version() const {
  return settings_.value("Software/Pictavo/Version", QStringLiteral("2.0.0")).toString();
}

QString ProgramSettings::home_address() const {
  return settings_.value("Software/Pictavo/Link/Home", kProductAddress).toString();
}

QString ProgramSettings::update_address() const {
  return settings_.value("Software/Pictavo/Link/Update", kProductAddress).toString();
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

}  // namespace pictavo
