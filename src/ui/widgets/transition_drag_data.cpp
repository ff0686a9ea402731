#include "ui/widgets/transition_drag_data.h"

#include <cstdint>
#include <cstring>

#include "effects/effect_set.h"

namespace pictavo {

QByteArray encode_transition_drag(int picker_index) {
  const auto word = static_cast<std::int32_t>(picker_index);
  return QByteArray(reinterpret_cast<const char*>(&word), sizeof word);
}

std::optional<int> decode_transition_drag(const QByteArray& data) {
  std::int32_t index = 0;
  if (data.size() != sizeof index) return std::nullopt;
  std::memcpy(&index, data.constData(), sizeof index);
  if (index < 0 || index >= EffectSet::kSize) return std::nullopt;
  return index;
}

}  // namespace pictavo
