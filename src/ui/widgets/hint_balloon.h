#pragma once

#include <QWidget>

namespace pictavo {

// A balloon with a short hint whose pointer touches a spot of its parent, such as
// a button the user is to press first. A click on it, or hide(), puts it away.
class HintBalloon : public QWidget {
  Q_OBJECT

 public:
  HintBalloon(const QString& text, QWidget* parent);

  // Shows the balloon below `spot` (parent coordinates), its pointer at the spot.
  void point_at(QPoint spot);
  const QString& text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QString text_;
};

}  // namespace pictavo
