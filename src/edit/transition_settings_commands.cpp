#include "edit/transition_settings_commands.h"

#include <string>

#include "base/translation_mark.h"
#include "effects/transition_params.h"
#include "model/project.h"

namespace pictavo {
namespace {

class ChangeTransitionSettings final : public EditCommand {
 public:
  ChangeTransitionSettings(int picker_index, TransitionValues values)
      : picker_index_(picker_index), after_(values) {}

  bool apply(Project& project) override {
    TransitionParams* chosen = project.effect_set.template_at(picker_index_);
    if (chosen == nullptr) return false;
    before_ = chosen->values();
    chosen->set_values(after_);
    after_ = chosen->values();
    return after_ != before_;
  }
  void undo(Project& project) override { put(project, before_); }
  void redo(Project& project) override { put(project, after_); }
  UserText name() const override {
    return UserText::marked(QT_TRANSLATE_NOOP("Engine", "Transition Settings"));
  }

 private:
  void put(Project& project, TransitionValues values) const {
    if (TransitionParams* chosen = project.effect_set.template_at(picker_index_))
      chosen->set_values(values);
  }

  int picker_index_;
  TransitionValues before_;
  TransitionValues after_;
};

}  // namespace

std::unique_ptr<EditCommand> transition_settings_edit(int picker_index, TransitionValues values) {
  return std::make_unique<ChangeTransitionSettings>(picker_index, values);
}

}  // namespace pictavo
