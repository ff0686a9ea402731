#pragma once

#include <QWidget>

namespace pictavo {

// The project's estimated output size against a fixed scale of 0 to 4500 MB, with
// "Total: 4500.00MB used:123.45MB " centred over the bar.
class CapacityBar : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kMaximum = 4500;

  explicit CapacityBar(QWidget* parent = nullptr);

  void set_used(float megabytes);
  float used() const { return used_; }
  QString text() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  float used_ = 0;
};

}  // namespace pictavo
