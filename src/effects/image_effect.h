#pragma once

#include <span>
#include <string_view>

namespace pictavo {

// What the user picks for a photo's motion. Stored beside the concrete effect so
// that copies and re-applications draw a fresh effect of the same kind.
enum class ImageEffectCategory : int {
  kNone = 0,
  kPan = 1,
  kPanZoom = 2,
  kPanZoomRotate = 3,
};
inline constexpr int kImageEffectCategoryCount = 4;

// The concrete motion of a photo while it is shown. Stored values outside this list
// are kept as they are; the renderers decide what to do with them.
enum class ImageEffect : int {
  kPanLeftToRight = 0,
  kPanRightToLeft = 1,
  kPanLeftDownToRightUp = 2,
  kPanRightUpToLeftDown = 3,
  kPanLeftUpToRightDown = 4,
  kPanRightDownToLeftUp = 5,
  kPanUpToDown = 6,
  kPanDownToUp = 7,
  kZoomCenterIn = 8,
  kZoomLeftUpIn = 9,
  kZoomRightUpIn = 10,
  kZoomLeftDownIn = 11,
  kZoomRightDownIn = 12,
  kZoomCenterOut = 13,
  kZoomLeftUpOut = 14,
  kZoomRightUpOut = 15,
  kZoomLeftDownOut = 16,
  kZoomRightDownOut = 17,
  kZoomInAndRotate = 18,
  kZoomOutAndRotate = 19,
  kNone = 20,    // a still photo
  kRandom = 21,  // names the choice in lists; never reaches a renderer
};
inline constexpr int kImageEffectCount = 22;

// Display names; empty for values outside the lists.
std::string_view display_name(ImageEffectCategory category);
std::string_view display_name(ImageEffect effect);

// The names in id order, as the pickers list them.
std::span<const std::string_view> category_list();
std::span<const std::string_view> image_effect_list();

// A concrete effect of the category, drawn anew on every call: None gives kNone,
// Pan one of the 8 pans, Pan/Zoom one of the first 18 effects, Pan/Zoom/Rotate one
// of the first 20. Any other value is passed through unchanged as an effect id.
ImageEffect draw_image_effect(ImageEffectCategory category);

}  // namespace pictavo
