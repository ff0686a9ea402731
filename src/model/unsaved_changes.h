#pragma once

#include <functional>

namespace pictavo {

// The process-wide flag for unsaved changes to photos, tracks, effects and covers,
// on which the user is asked to save before the project is closed. It is separate
// from Project::modified, which tracks structural changes and gates saving.
void mark_unsaved();
void clear_unsaved();
bool has_unsaved_changes();
// Called when mark_unsaved() or clear_unsaved() changed the flag, on the thread that
// made the change (a window title that shows the state); none when empty.
void set_unsaved_listener(std::function<void()> listener);

}  // namespace pictavo
