#pragma once

#include <string_view>

namespace pictavo {

class Project;

// The preferences file ("referenceFile.xml" in the writable folder): the stored
// preferences, the project's default TV system and durations, and the transition
// templates, one element per line under "reference". Every start reads and rewrites
// it, counting the start.
inline constexpr std::string_view kPreferencesVersion = "3.0.6";

// Reads the project's preferences file into the project and writes it back.
// Reading stops at the first key that is missing or refused: another VERSION, or
// an AppPath that is not this program folder (a copy moved elsewhere). Values read
// before that stay; the rest keep the values in memory, and the file is written
// anew from them. "RunTimes" counts this start: the stored count + 1 (3 when that
// is not a valid count). Returns 0 when the file was written or the templates were
// read, -1 when the file was not written, which includes a file that is not a
// readable document: that one is left as it is.
int load_preferences(Project& project);

// Writes the preferences file from the project, replacing the old file in one step
// (a crash leaves the old file or the new one, never half of one), and then gives
// the project's default setting the motion and transition the random preferences
// ask for. 0 when written, -1 when the file could not be written.
int save_preferences(Project& project);

}  // namespace pictavo
