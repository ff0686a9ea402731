#include "ui/widgets/thumbnail_drag_data.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace pictavo {

QByteArray encode_thumbnail_drag(std::span<const int> indices) {
  std::vector<std::int32_t> words{static_cast<std::int32_t>(indices.size())};
  words.insert(words.end(), indices.begin(), indices.end());
  return QByteArray(reinterpret_cast<const char*>(words.data()),
                    static_cast<qsizetype>(words.size() * sizeof(std::int32_t)));
}

std::optional<std::vector<int>> decode_thumbnail_drag(const QByteArray& data) {
  const auto size = static_cast<std::size_t>(data.size());
  if (size < sizeof(std::int32_t) || size % sizeof(std::int32_t) != 0) return std::nullopt;
  std::vector<std::int32_t> words(size / sizeof(std::int32_t));
  std::memcpy(words.data(), data.constData(), size);
  if (words.front() < 0 || static_cast<std::size_t>(words.front()) != words.size() - 1)
    return std::nullopt;
  if (std::any_of(words.begin(), words.end(), [](std::int32_t word) { return word < 0; }))
    return std::nullopt;
  return std::vector<int>(words.begin() + 1, words.end());
}

}  // namespace pictavo
