#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "model/prompt.h"

namespace pictavo {

struct RefusedPhoto;

// The messages of editing and storing a project.

// "You have reached the limit of 50 slideshows!": a slideshow refused at the limit.
PromptMessage slideshow_limit_message(int limit);
// "The slideshow name is empty or already in use!": a new slideshow was refused.
PromptMessage slideshow_name_message();
// "You cannot add more pictures than the output disk can hold!": an import stopped at the
// size limit.
PromptMessage too_many_images_message();
// "Length Is over 4000M! ...": the estimated size passed the warning mark.
PromptMessage size_warning_message();
// The last music track cannot go.
PromptMessage last_track_message();
// "file:'...' is not a legal mp3 file, so it will not be added!"
PromptMessage not_music_prompt(const std::filesystem::path& path);
// Whether photos already in the project take new default times too.
PromptMessage apply_times_question(int display_seconds, int transition_seconds);
// "Save to '...' Success!"
PromptMessage saved_message(const std::filesystem::path& path);
// A project file that could not be written, with the system's reason.
PromptMessage save_failed_message(const std::filesystem::path& path, const std::string& reason);
// A project file that could not be opened, with the reason.
PromptMessage open_failed_message(const std::filesystem::path& path, const std::string& reason);
// "2 files could not be added: broken.jpg (not a picture Pictavo can read), ...":
// naming the first few files that did not become photos, with the reasons.
PromptMessage refused_photos_message(std::span<const RefusedPhoto> refused);
// "2 photos could not be found: a.jpg, b.jpg. ...": after a load that found photos
// whose files are gone, naming the first few.
PromptMessage missing_photos_message(std::span<const std::filesystem::path> paths);
// "2 photos could not be found and are left out of the videos: a.jpg, b.jpg".
PromptMessage photos_left_out_message(std::span<const std::filesystem::path> paths);

}  // namespace pictavo
