#pragma once

#include <memory>

#include "edit/edit_command.h"
#include "effects/transition_form.h"

namespace pictavo {

// The effect set's transition at `picker_index` takes `values` for the photos it
// is applied to from now on; photos keep the values they were given.
std::unique_ptr<EditCommand> transition_settings_edit(int picker_index, TransitionValues values);

}  // namespace pictavo
