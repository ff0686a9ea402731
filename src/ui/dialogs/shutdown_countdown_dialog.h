#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;

namespace pictavo {

// The last word before the computer is switched off after a job: OK or Cancel, and
// OK by itself when nobody answers within ten seconds, which it counts down.
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
  QLabel* text_ = nullptr;
};

}  // namespace pictavo
