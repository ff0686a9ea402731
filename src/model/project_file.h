#pragma once

namespace pictavo {

class Project;

// The project file (.prg) at the preferences' project_path: the project's folders
// and every slideshow with its music files and photos, each photo with its effect
// choices, adjustments and edits, one element per line under "mivodvd".

// The user's save. Writes when the project has changes (Project::modified or the
// unsaved-changes flag), replacing the old file in one step, so a crash or a full
// disk leaves the previous file whole; then clears both and shows "Save to '...'
// Success!". False, with the changes still marked, when nothing was written.
bool save_project(Project& project);
// The same without the message: the make-video job's save before a shutdown.
bool save_project_silently(Project& project);

// Reads the project file into a project whose slideshows the caller removed,
// through the same operations as the user interface: music is measured again,
// photos are probed again (missing or undecodable ones are left out, slideshows
// left without photos are dropped) and every cover picture is written again.
// A slideshow the project refuses (a repeated or empty name, one past the limit)
// is skipped whole. Stored values are brought into the ranges the program uses.
// The file names the project's folders and its preferences file; they are taken
// only when they are this program's own (the preferences file, a numbered working
// folder of the writable folder that exists), so a project file can never make
// the program read, write or empty anything else. False for a file that cannot be
// read or lacks a required element; the slideshows read until then stay.
bool load_project(Project& project);

}  // namespace pictavo
