#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "edit/edit_command.h"
#include "model/model_id.h"
#include "model/photo_adding.h"

namespace pictavo {

// The slideshow edits a user makes, as steps of the edit history. Out-parameters
// are filled when the history runs the step.

// A new slideshow with the default music and the chosen photos, as
// create_slideshow_with_photos makes it; `index` is its index, or -1.
std::unique_ptr<EditCommand> new_slideshow_edit(std::string name,
                                                std::vector<std::filesystem::path> files,
                                                int* index = nullptr);
// One new slideshow per folder with pictures, as import_folders makes them.
std::unique_ptr<EditCommand> import_folders_edit(std::vector<std::filesystem::path> folders,
                                                 FolderImportResult* result = nullptr);
// `refused` tells whether the project refused the name (empty or in use).
std::unique_ptr<EditCommand> rename_slideshow_edit(ModelId slideshow, std::string name,
                                                   bool* refused = nullptr);
std::unique_ptr<EditCommand> remove_slideshow_edit(ModelId slideshow);
std::unique_ptr<EditCommand> remove_all_slideshows_edit();
std::unique_ptr<EditCommand> move_slideshow_edit(ModelId slideshow, bool up);

}  // namespace pictavo
