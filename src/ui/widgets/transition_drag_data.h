#pragma once

#include <QByteArray>
#include <optional>

namespace pictavo {

// The data a transition dragged from the Effect page's effect list carries to the
// image line: the effect-set index of the entry, 32 bits in the byte order of the
// machine.
inline constexpr char kTransitionEffectMimeType[] = "application/x-pictavo-TransitionEffect";

QByteArray encode_transition_drag(int picker_index);
// Empty for data of the wrong length or an index outside the effect set.
std::optional<int> decode_transition_drag(const QByteArray& data);

}  // namespace pictavo
