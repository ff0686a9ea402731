#pragma once

#include <memory>
#include <string>
#include <vector>

#include "edit/edit_command.h"
#include "model/model_id.h"
#include "model/photo_caption.h"

namespace pictavo {

// The caption typed for the photos `indices` of `slideshow` (empty gives them the
// slideshow's automatic caption back). Line breaks and tabs become spaces, and the
// text is cut to PhotoItem::kMaxCaptionCharacters. Consecutive edits of the same
// photos are one step.
std::unique_ptr<EditCommand> caption_edit(ModelId slideshow, std::vector<int> indices,
                                          std::string text);

// The slideshow's automatic caption and where its captions stand.
std::unique_ptr<EditCommand> slideshow_captions_edit(ModelId slideshow, SlideshowCaptions captions);

}  // namespace pictavo
