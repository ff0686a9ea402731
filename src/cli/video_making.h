#pragma once

#include <filesystem>
#include <string_view>

namespace pictavo {
class Project;
}

namespace pictavo::cli {

// Makes the project's videos and thumbnails into `output_folder` as the program's
// "Create Video Files" does: the disk check, the output folder emptied of earlier
// runs, the music prepared once, then per slideshow its THM and its video. A
// progress bar runs on stderr; Ctrl-C stops cleanly. Prints the files made and
// returns the exit status (0 done, 1 failed with the reason on stderr, 2 stopped).
int make_project_videos(std::string_view command, const Project& project,
                        const std::filesystem::path& output_folder);

}  // namespace pictavo::cli
