#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

namespace pictavo {

// The strip of the four step tabs, drawn in the palette's colours at the screen's
// pixel density: the step in view raised in the highlight colour, the others in
// the buttons' colour. Each tab is as wide as its caption needs.
class StepTabBar : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kTabCount = 4;

  explicit StepTabBar(QWidget* parent = nullptr);

  int current() const { return current_; }
  void set_current(int index);
  static QString caption(int index);

  QSize sizeHint() const override;

 signals:
  void current_changed(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QRect tab_rect(int index) const;
  QFont caption_font() const;

  int current_ = 0;
};

}  // namespace pictavo
