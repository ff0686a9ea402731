#pragma once

#include <QByteArray>
#include <optional>
#include <span>
#include <vector>

namespace pictavo {

// The data a drag inside the thumbnail list carries: the number of dragged items
// followed by their indices, 32 bits each, in the byte order of the machine.
inline constexpr char kThumbnailMimeType[] = "application/x-pictavo-ThumbnailClipbrd";

QByteArray encode_thumbnail_drag(std::span<const int> indices);
// Empty for data of the wrong length or a negative count or index.
std::optional<std::vector<int>> decode_thumbnail_drag(const QByteArray& data);

}  // namespace pictavo
