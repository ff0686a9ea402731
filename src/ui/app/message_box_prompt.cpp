#include "ui/app/message_box_prompt.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/common/engine_text.h"

namespace pictavo {
namespace {

QMessageBox::StandardButtons buttons_of(PromptButtons buttons) {
  switch (buttons) {
    case PromptButtons::kOk:
      return QMessageBox::Ok;
    case PromptButtons::kOkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::kYesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::kYesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon icon_of(PromptIcon icon) {
  switch (icon) {
    case PromptIcon::kInformation:
      return QMessageBox::Information;
    case PromptIcon::kWarning:
      return QMessageBox::Warning;
    case PromptIcon::kQuestion:
      return QMessageBox::Question;
    case PromptIcon::kError:
      return QMessageBox::Critical;
    case PromptIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

PromptAnswer answer_of(int button, PromptButtons buttons) {
  switch (button) {
    case QMessageBox::Ok:
      return PromptAnswer::kOk;
    case QMessageBox::Yes:
      return PromptAnswer::kYes;
    case QMessageBox::No:
      return PromptAnswer::kNo;
    case QMessageBox::Cancel:
      return PromptAnswer::kCancel;
    default:
      // Closed without a button: the answer that changes least.
      return cautious_answer(buttons);
  }
}

}  // namespace

PromptAnswer MessageBoxPrompt::show(const PromptMessage& message) {
  const QString caption = message.caption.empty() ? QApplication::applicationDisplayName()
                                                  : engine_text(message.caption);
  QMessageBox box(icon_of(message.icon), caption, engine_text(message.text),
                  buttons_of(message.buttons), parent_);
  return answer_of(box.exec(), message.buttons);
}

}  // namespace pictavo
