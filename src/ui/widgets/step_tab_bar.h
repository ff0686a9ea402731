#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <filesystem>

namespace pictavo {

// The strip of the four step tabs: one 524 x 27 picture for each selected tab, the
// English captions drawn into the pictures, magenta (0xFF00FF) transparent. In
// another language the tabs are drawn with the translated captions.
class StepTabBar : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kTabCount = 4;

  // The pictures are `folder`/step_tab_N.png for N = 0..3.
  StepTabBar(const std::filesystem::path& folder, QWidget* parent = nullptr);

  int current() const { return current_; }
  void set_current(int index);

 signals:
  void current_changed(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // The caption of tab `index`, in the user's language.
  static QString caption(int index);
  static bool captions_translated();

  std::array<QPixmap, kTabCount> pictures_;
  int current_ = 0;
};

}  // namespace pictavo
