#pragma once

#include <filesystem>

namespace pictavo {

class Project;
struct Preferences;

// The start of a run, once, for the program folder the project was built with:
// fills the preferences for that folder, gives the project its working folder
// (the next free Project_N of the writable folder) with its "temp" and "Output"
// folders, reads and rewrites the preferences file (counting the start), creates
// the working and temp folders, picks the first free default project file, loads
// the output profiles (whose frame rate sets the TV system: "29.97" NTSC, "25" PAL)
// and logs "Software start!" in the preferences' log. The project ends up
// unmodified. Folder creation failures are left to show when the folders are used.
void start_project(Project& project);

// Makes `working_folder` the project's, with its "temp" and "Output" folders as the
// project's temporary and output folders. `is_own`: the program made the folder and
// may remove it.
void use_working_folder(Project& project, const std::filesystem::path& working_folder, bool is_own);
// The working folder the user chose: the project's own one, named again, stays as it
// is; any other folder becomes the working folder as the user's, which the program
// writes into but never removes or empties.
void choose_working_folder(Project& project, const std::filesystem::path& folder);
// The working folder of a project that never got a file holds nothing anyone can
// come back to: it is removed, but only when the program made it.
void drop_working_folder(const Preferences& preferences);

// Reads the output profiles of the program folder, with a warning in the log
// when some could not be read (the others serve); the profile the user chose last
// becomes the current one, and its frame rate sets the project's TV system
// (use_profile_frame_rate).
void load_output_profiles(Project& project);
// The current profile's frame rate sets the project's TV system: "29.97" and "30"
// NTSC, "25" PAL, any other rate leaves it.
void use_profile_frame_rate(Project& project);
// The user's choice of output profile `number`, counted through all groups
// (ProfileGroupList::choose_profile), which the preferences keep by its name for
// the next runs; the TV system follows its frame rate.
void choose_output_profile(Project& project, int number);

// Fresh working folders for a new project: the next free Project_N with its "temp"
// and "Output" folders, created and made the project's.
void prepare_new_project(Project& project);

}  // namespace pictavo
