#pragma once

#include <QString>
#include <string_view>

namespace pictavo {

// The engine's names and texts are UTF-8 and need not end in a null.
inline QString engine_text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace pictavo
