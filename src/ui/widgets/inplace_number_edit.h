#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

namespace pictavo {

// A number typed over a part of a widget: a line edit placed on `place`, growing
// to the right with its text as far as the widget reaches. Return or leaving the
// edit commits the text; Escape cancels it and reaches nothing else, not even a
// window's shortcut.
class InPlaceNumberEdit : public QObject {
  Q_OBJECT

 public:
  using Commit = std::function<void(const QString& text)>;

  explicit InPlaceNumberEdit(QWidget* owner);

  // Closes an open edit first (committing it), then opens one showing `value`.
  void open(QRect place, int value, Commit commit);
  // Hands the trimmed text to the commit function; nothing for an empty text.
  void commit();
  void cancel();
  QLineEdit* line_edit() const { return edit_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* owner_;
  QLineEdit* edit_ = nullptr;
  Commit commit_;
};

}  // namespace pictavo
