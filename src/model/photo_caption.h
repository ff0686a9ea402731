#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pictavo {

class PhotoItem;

// What a slideshow writes on the photos that have no caption typed for them.
enum class AutoCaption { kNone, kFileName, kDateTaken, kNameAndDate };
enum class CaptionPlacement { kBottom, kTop };

// A slideshow's captions: the automatic kind, and where every caption stands.
struct SlideshowCaptions {
  AutoCaption automatic = AutoCaption::kNone;
  CaptionPlacement placement = CaptionPlacement::kBottom;

  bool operator==(const SlideshowCaptions&) const = default;
};

// The caption shown on `photo`: its typed caption, else the automatic one — the
// file name without its extension, the day the photo was taken written in the
// user's locale, or both. Empty when there is none (a photo without a date taken
// shows no date).
std::string photo_caption(const PhotoItem& photo, AutoCaption automatic);

// The words the project file and the command line use: "none", "name", "date",
// "both".
std::string_view auto_caption_word(AutoCaption automatic);
std::optional<AutoCaption> auto_caption_from_word(std::string_view word);

}  // namespace pictavo
