#include "ui/widgets/thumbnail_sizes.h"

#include <cmath>

#include "model/photo_item.h"

namespace pictavo {

QSize device_size(int size_index, qreal pixel_ratio) {
  const QSize size = kThumbnailSizes.at(static_cast<std::size_t>(size_index)).thumbnail;
  const qreal ratio = std::max<qreal>(pixel_ratio, 1.0);
  return {static_cast<int>(std::lround(size.width() * ratio)),
          static_cast<int>(std::lround(size.height() * ratio))};
}

QImage thumbnail_picture(const Thumbnail& thumbnail) {
  QImage picture(thumbnail.pixels.data(), thumbnail.width, thumbnail.height, thumbnail.width * 4,
                 QImage::Format_RGB32);
  const QSize size = kThumbnailSizes.at(static_cast<std::size_t>(thumbnail.size_index)).thumbnail;
  if (size.width() > 0 && thumbnail.width > size.width())
    picture.setDevicePixelRatio(static_cast<qreal>(thumbnail.width) / size.width());
  return picture;
}

}  // namespace pictavo
