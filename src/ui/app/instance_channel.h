#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace pictavo {

// How a second start reaches the program that runs: the running program listens
// on a local socket beside its single-instance lock; a second start sends it the
// project file it was given (or nothing) and ends, and the running program brings
// its window to the front and opens that file.
class InstanceChannel : public QObject {
  Q_OBJECT

 public:
  explicit InstanceChannel(QObject* parent = nullptr);

  // The running program's side. A socket left by a program that was killed is
  // replaced: only the holder of the single-instance lock listens.
  bool listen(const QString& socket_path);
  // The second start's side: false when no running program answers.
  static bool send(const QString& socket_path, const QString& project_file);

 signals:
  // A second start asked for the window, with the file it was given (may be empty).
  void activated(const QString& project_file);

 private:
  void take_connection();

  QLocalServer server_;
};

}  // namespace pictavo
