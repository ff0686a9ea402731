#pragma once

#include <filesystem>

#include "base/result.h"

namespace pictavo {

class Project;

// The project file (.prg) at the preferences' project_path: the project's folders
// and every slideshow with its music files and photos, each photo with its effect
// choices, adjustments and edits, one element per line under "mivodvd".

// The user's save. Writes when the project has changes (Project::modified or the
// unsaved-changes flag), replacing the old file in one step, so a crash or a full
// disk leaves the previous file whole; then clears both and says where it saved.
// A file that cannot be written is named with the system's reason. False, with
// the changes still marked, when nothing was written.
bool save_project(Project& project);
// The same without messages (the command line, the save before a shutdown): the
// reason when the file could not be written; a project without changes is left
// as it is.
Status save_project_silently(Project& project);

// Reads the project file into a project whose slideshows the caller removed,
// through the same operations as the user interface: music is measured again,
// photos are probed again (missing or undecodable ones are left out, slideshows
// left without photos are dropped) and every cover picture is written again.
// A slideshow the project refuses (a repeated or empty name, one past the limit)
// is skipped whole. Stored values are brought into the ranges the program uses.
// The file names the project's folders and its preferences file; they are taken
// only when they are this program's own (the preferences file, a numbered working
// folder of the writable folder that exists), so a project file can never make
// the program read, write or empty anything else. A file that cannot be read, is
// no project file or lacks a required element fails with the reason; the
// slideshows read until then stay.
Status load_project(Project& project);

// Opens `file` in place of the project's slideshows, as the user's Open does: the
// project becomes the file's, without changes. A file that cannot be opened leaves
// the project, its file name and its changes exactly as they were, and the reason
// says why.
Status open_project(Project& project, const std::filesystem::path& file);

}  // namespace pictavo
