#include "ui/widgets/inplace_number_edit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <utility>

namespace pictavo {

InPlaceNumberEdit::InPlaceNumberEdit(QWidget* owner) : QObject(owner), owner_(owner) {}

void InPlaceNumberEdit::open(QRect place, int value, Commit commit) {
  this->commit();
  edit_ = new QLineEdit(QString::number(value), owner_);
  edit_->setAlignment(Qt::AlignCenter);
  edit_->setFont(owner_->font());
  edit_->setGeometry(place);
  commit_ = std::move(commit);
  connect(edit_, &QLineEdit::textChanged, this, [this, place](const QString& text) {
    const int needed = edit_->fontMetrics().horizontalAdvance(text) + 5;
    edit_->resize(std::clamp(needed, place.width(), owner_->width() - place.left()),
                  place.height());
  });
  connect(edit_, &QLineEdit::returnPressed, this, &InPlaceNumberEdit::commit);
  connect(edit_, &QLineEdit::editingFinished, this, &InPlaceNumberEdit::commit);
  edit_->installEventFilter(this);
  edit_->show();
  edit_->setFocus();
  edit_->selectAll();
}

void InPlaceNumberEdit::commit() {
  if (edit_ == nullptr) return;
  QLineEdit* edit = std::exchange(edit_, nullptr);
  const QString text = edit->text().trimmed();
  edit->hide();
  edit->deleteLater();
  if (!text.isEmpty() && commit_) std::exchange(commit_, nullptr)(text);
}

void InPlaceNumberEdit::cancel() {
  if (edit_ == nullptr) return;
  QLineEdit* edit = std::exchange(edit_, nullptr);
  edit->hide();
  edit->deleteLater();
  commit_ = nullptr;
}

bool InPlaceNumberEdit::eventFilter(QObject* watched, QEvent* event) {
  const bool escape =
      (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
  if (watched != edit_ || !escape) return QObject::eventFilter(watched, event);
  // Escape cancels the edit and nothing else: taken before any window's shortcut.
  if (event->type() == QEvent::ShortcutOverride) {
    event->accept();
  } else {
    cancel();
  }
  return true;
}

}  // namespace pictavo
