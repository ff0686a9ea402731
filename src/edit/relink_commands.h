#pragma once

#include <memory>
#include <vector>

#include "edit/edit_command.h"
#include "model/photo_relinking.h"

namespace pictavo {

// Points each missing photo at the file it was found as: the photo is no longer
// missing, shows the new file's facts and gets a new thumbnail. Its effects and
// edits stay; an edited copy stays where it is.
std::unique_ptr<EditCommand> relink_photos_edit(std::vector<PhotoRelink> relinks);

}  // namespace pictavo
