#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "edit/edit_command.h"
#include "model/model_id.h"

namespace pictavo {

// The music edits of a slideshow as steps of the edit history.

// Appends the files as Slideshow::add_track does; `left_out` gets the files the
// slideshow plays already (filled when the history runs the step).
std::unique_ptr<EditCommand> add_tracks_edit(
    ModelId slideshow, std::vector<std::filesystem::path> files,
    std::vector<std::filesystem::path>* left_out = nullptr);
// Refused, with a message, for the slideshow's only track.
std::unique_ptr<EditCommand> remove_track_edit(ModelId slideshow, int index);
std::unique_ptr<EditCommand> move_track_edit(ModelId slideshow, int index, bool up);

}  // namespace pictavo
