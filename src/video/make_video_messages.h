#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/prompt.h"
#include "video/made_video_check.h"

namespace pictavo {

// The messages of making the video files.

// The output folder's drive lacks the estimated size.
PromptMessage output_drive_full_message(float needed_megabytes);
// The temporary folder, on another drive, lacks it.
PromptMessage temp_drive_full_message(const std::filesystem::path& temp_drive,
                                      float needed_megabytes);
// Output and temporary folders share a drive that lacks twice the size.
PromptMessage shared_drive_full_message(const std::filesystem::path& drive, float needed_megabytes);

// The output folder holds files that are not the project's videos, so it is not
// emptied.
PromptMessage output_folder_not_emptied_message();
// The output folder cannot be made or written.
PromptMessage output_folder_not_writable_message(const std::filesystem::path& folder);
// A slideshow without photos, and a photo whose picture cannot be read any more.
PromptMessage empty_slideshow_message(const std::string& slideshow);
PromptMessage unreadable_photo_message(const std::filesystem::path& photo,
                                       const std::string& slideshow);

// Videos that were made but will not play, each with the rules it breaks.
PromptMessage unplayable_videos_message(const std::vector<UnplayableVideo>& videos);

// "Making the video files failed!" and "Stopped!".
PromptMessage make_video_failed_message();
PromptMessage make_video_stopped_message();

// The countdown before the computer is switched off (OK or Cancel, OK after 10
// seconds without an answer) with `seconds` left, and what may go wrong then.
PromptMessage shutdown_countdown_message(int seconds);
// The power service cannot be reached, or it refused.
PromptMessage no_power_connection_message();
PromptMessage power_off_refused_message();
PromptMessage project_not_saved_for_shutdown_message();

}  // namespace pictavo
