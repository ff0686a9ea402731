#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "edit/edit_command.h"
#include "effects/image_effect.h"
#include "model/model_id.h"
#include "model/music_fit.h"
#include "model/photo_adding.h"
#include "model/slideshow.h"

namespace pictavo {

class TransitionParams;

// The photo edits a user makes, as steps of the edit history. A step names its
// slideshow by id and its photos by their indices in that slideshow; a step whose
// slideshow or photos are not there changes nothing. Out-parameters are filled
// when the history runs the step.

// The files appended as add_photo_files adds them (messages included).
std::unique_ptr<EditCommand> add_photos_edit(ModelId slideshow,
                                             std::vector<std::filesystem::path> files,
                                             PhotoFilesResult* result = nullptr);
// The photos go; a slideshow left without photos goes with them, and both come
// back on undo, with the cover where it was.
std::unique_ptr<EditCommand> remove_photos_edit(ModelId slideshow, std::vector<int> indices);
// As Slideshow::move_photos.
std::unique_ptr<EditCommand> move_photos_edit(ModelId slideshow, std::vector<int> indices,
                                              int target, bool before);
std::unique_ptr<EditCommand> move_photo_edit(ModelId slideshow, int index, bool up);
std::unique_ptr<EditCommand> sort_photos_edit(ModelId slideshow, PhotoSortKey key,
                                              SortDirection direction);

// Effect choices, as the Slideshow operations of the same names. Consecutive
// edits of one duration of the same photos are one step.
std::unique_ptr<EditCommand> display_seconds_edit(ModelId slideshow, std::vector<int> indices,
                                                  int seconds);
std::unique_ptr<EditCommand> transition_seconds_edit(ModelId slideshow, std::vector<int> indices,
                                                     int seconds);
std::unique_ptr<EditCommand> image_effect_edit(ModelId slideshow, std::vector<int> indices,
                                               ImageEffectCategory category);
std::unique_ptr<EditCommand> transition_edit(ModelId slideshow, std::vector<int> indices,
                                             const TransitionParams& template_params);
// Every photo's display time fitted to the music of the project's first slideshow.
std::unique_ptr<EditCommand> fit_to_music_edit(ModelId slideshow, MusicFit* fit = nullptr);
// Every photo of the project takes the default display and transition times
// (Project::apply_default_times_to_all); `within_limit` tells whether it did.
std::unique_ptr<EditCommand> default_times_edit(bool* within_limit = nullptr);

std::unique_ptr<EditCommand> cover_edit(ModelId slideshow, int index);

}  // namespace pictavo
