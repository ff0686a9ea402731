#include "ui/app/qt_transition_setting_dialogs.h"

#include <utility>

#include "ui/dialogs/transition_setting_dialog.h"

namespace pictavo {

QtTransitionSettingDialogs::QtTransitionSettingDialogs(QWidget* parent)
    : QtTransitionSettingDialogs(parent,
                                 [](TransitionSettingDialog& dialog) { return dialog.exec(); }) {}

QtTransitionSettingDialogs::QtTransitionSettingDialogs(QWidget* parent, Runner runner)
    : parent_(parent), runner_(std::move(runner)) {}

bool QtTransitionSettingDialogs::open(TransitionParams& params) {
  TransitionSettingDialog dialog(params, parent_);
  return runner_(dialog) == QDialog::Accepted;
}

}  // namespace pictavo
