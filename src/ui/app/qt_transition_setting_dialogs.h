#pragma once

#include <functional>

#include "effects/transition_setting_dialogs.h"

class QWidget;

namespace pictavo {

class TransitionSettingDialog;

// The transition setting dialogs of the desktop program: each open runs a
// TransitionSettingDialog for the object, modal over the parent window.
class QtTransitionSettingDialogs final : public TransitionSettingDialogs {
 public:
  // Runs a dialog to its end and gives its result (QDialog::Accepted or Rejected).
  // The program execs the dialog; tests click its buttons instead.
  using Runner = std::function<int(TransitionSettingDialog&)>;

  explicit QtTransitionSettingDialogs(QWidget* parent);
  QtTransitionSettingDialogs(QWidget* parent, Runner runner);

  bool open(TransitionParams& params) override;

 private:
  QWidget* parent_;
  Runner runner_;
};

}  // namespace pictavo
