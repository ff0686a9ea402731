#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

namespace pictavo {

// Checks videos against what the PSP plays, one after the other on a thread of
// its own, so that a folder of videos (or one on a slow drive) never holds up the
// window. Each result comes back as `checked` on the owner's thread. A new round
// stops the last one, as destroying the checker does.
class PspVideoChecker : public QObject {
  Q_OBJECT

 public:
  explicit PspVideoChecker(QObject* parent = nullptr);
  ~PspVideoChecker() override;

  void check(std::vector<std::filesystem::path> videos);
  // Whether results of the last round are still to come.
  bool busy() const { return pending_ > 0; }

  // The rules `video` breaks, in the user's language; none for a video that plays
  // and for a file that is no video at all. Checks here and now.
  static QStringList broken_rules(const std::filesystem::path& video);

 signals:
  void checked(const QString& video, const QStringList& broken_rules);
  // From the worker thread: a result of round `round`.
  void found(int round, const QString& video, const QStringList& broken_rules);

 private:
  void stop();
  void deliver(int round, const QString& video, const QStringList& broken_rules);

  std::thread worker_;
  std::atomic<bool> stopping_ = false;
  int round_ = 0;
  int pending_ = 0;
};

}  // namespace pictavo
