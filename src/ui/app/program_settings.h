#pragma once

#include <QSettings>
#include <QString>

namespace pictavo {

// The program's own stored values beside the preferences: the folder of the last
// opened or saved project, the tip of the day's flag and place in the tips file,
// and the main window's geometry. They live in one INI file (QSettings) in the writable folder,
// under the names the program has always used.
class ProgramSettings {
 public:
  explicit ProgramSettings(QSettings& settings) : settings_(settings) {}

  // Empty until a project was opened or saved.
  QString project_folder() const;
  void set_project_folder(const QString& folder);

  bool tip_at_start_up() const;  // on unless stored off
  void set_tip_at_start_up(bool show);
  QString tip_time_stamp() const;
  void set_tip_time_stamp(const QString& stamp);
  long long tip_position() const;
  void set_tip_position(long long position);

  // The main window's size, place and maximised state (QWidget::saveGeometry).
  QByteArray window_geometry() const;
  void set_window_geometry(const QByteArray& geometry);

 private:
  QSettings& settings_;
};

}  // namespace pictavo
