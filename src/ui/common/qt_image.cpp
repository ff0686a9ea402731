#include "ui/common/qt_image.h"

namespace pictavo {

QImage qimage_of(const Image& picture) {
  if (!picture.is_valid()) return {};
  if (picture.layout() == PixelLayout::kIndexed) {
    Image colour = picture;
    if (!colour.expand_to_colour()) return {};
    return qimage_of(colour);
  }
  // Both layouts lie in memory as Qt's 32-bit formats do on a little-endian machine.
  const QImage::Format format =
      picture.layout() == PixelLayout::kBgra ? QImage::Format_ARGB32 : QImage::Format_RGB32;
  return QImage(picture.data(), picture.width(), picture.height(),
                static_cast<qsizetype>(picture.stride()), format)
      .copy();
}

}  // namespace pictavo
