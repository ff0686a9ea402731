#pragma once

namespace pictavo {

// The process-wide flag for unsaved changes to photos, tracks, effects and covers,
// on which the user is asked to save before the project is closed. It is separate
// from Project::modified, which tracks structural changes and gates saving.
void mark_unsaved();
void clear_unsaved();
bool has_unsaved_changes();

}  // namespace pictavo
