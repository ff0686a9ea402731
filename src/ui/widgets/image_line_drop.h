#pragma once

#include <optional>
#include <vector>

class QMimeData;

namespace pictavo {

// The drag format of photos dragged within the image line: the count, then the
// photo indices, 32 bits each. It also takes transitions dragged from the effect
// list (transition_drag_data.h).
inline constexpr char kImageLineMimeType[] = "application/x-pictavo-ImageLineClipbrd";

// What a drop on the image line does: photos of the line go before or after the
// photo of `slot`, or a transition of the effect list goes onto its transition.
struct ImageLineDrop {
  int slot = -1;  // none
  bool before = true;
  bool transition = false;
  // The photos dragged, for a drop of photos.
  std::vector<int> photos;
  // The effect list's entry, for a drop of a transition.
  int picker_index = -1;
};

// Whether the image line takes the dragged data at all.
bool image_line_accepts(const QMimeData& data);
// The drop `data` makes on the photo of `slot`, `x` pixels into the slot (the mark
// goes to the nearer edge); none on a photo that is dragged itself.
ImageLineDrop image_line_drop(const QMimeData& data, int slot, int x, int slot_width);

}  // namespace pictavo
