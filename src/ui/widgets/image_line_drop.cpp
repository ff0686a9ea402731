#include "ui/widgets/image_line_drop.h"

#include <QMimeData>
#include <algorithm>

#include "ui/widgets/thumbnail_drag_data.h"
#include "ui/widgets/transition_drag_data.h"

namespace pictavo {

bool image_line_accepts(const QMimeData& data) {
  return data.hasFormat(kImageLineMimeType) || data.hasFormat(kTransitionEffectMimeType);
}

ImageLineDrop image_line_drop(const QMimeData& data, int slot, int x, int slot_width) {
  if (data.hasFormat(kTransitionEffectMimeType)) {
    const std::optional<int> index = decode_transition_drag(data.data(kTransitionEffectMimeType));
    if (!index) return {};
    return {slot, true, true, {}, *index};
  }
  std::optional<std::vector<int>> dragged = decode_thumbnail_drag(data.data(kImageLineMimeType));
  if (!dragged || std::find(dragged->begin(), dragged->end(), slot) != dragged->end()) return {};
  return {slot, x < slot_width / 2, false, std::move(*dragged), -1};
}

}  // namespace pictavo
