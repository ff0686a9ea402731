#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "edit/edit_command.h"
#include "model/edit_item.h"
#include "model/model_id.h"
#include "model/photo_edits.h"
#include "model/photo_preparation.h"

namespace pictavo {

// Edits of photos' pictures as steps of the edit history. Each step keeps the
// edited pictures it can put back (EditHistory::holds_picture); a new picture
// never takes the name of one that some step holds.

// The quick rotation of the photos, as quarter_turn_photo turns each; `all_turned`
// tells whether every photo could be turned.
std::unique_ptr<EditCommand> rotate_photos_edit(ModelId slideshow, std::vector<int> indices,
                                                QuarterTurn turn, TakenPicture held,
                                                bool* all_turned = nullptr);

// The picture editor's result for one photo: its edit records and adjustments,
// replayed on the full-size photo by prepare_edited_photo. When that fails the
// photo stays as it was and `unwritten` names the picture that could not be made.
std::unique_ptr<EditCommand> picture_editor_edit(ModelId slideshow, int index,
                                                 std::vector<EditItem> edits,
                                                 PictureAdjustments adjustments,
                                                 std::filesystem::path decorations,
                                                 TakenPicture held,
                                                 std::filesystem::path* unwritten = nullptr);

}  // namespace pictavo
