#pragma once

#include <QTimer>
#include <QWidget>

namespace pictavo {

// A ring of dots that turns while work goes on, and stands empty otherwise.
class BusyIndicator : public QWidget {
  Q_OBJECT

 public:
  explicit BusyIndicator(QWidget* parent = nullptr);

  void start();
  void stop();
  bool running() const { return timer_.isActive(); }

  QSize sizeHint() const override { return {40, 40}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QTimer timer_;
  int step_ = 0;
};

}  // namespace pictavo
