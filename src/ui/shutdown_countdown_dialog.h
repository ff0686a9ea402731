#pragma once

#include <QDialog>
#include <QTimer>

namespace pictavo {

// The last word before the computer is switched off after a job: OK or Cancel, and
// OK by itself when nobody answers within ten seconds.
class ShutdownCountdownDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kSeconds = 10;

  explicit ShutdownCountdownDialog(QWidget* parent = nullptr);

  int seconds_left() const { return seconds_left_; }
  // One second passed; the last one answers OK.
  void tick();

 private:
  QTimer timer_;
  int seconds_left_ = kSeconds;
};

}  // namespace pictavo
