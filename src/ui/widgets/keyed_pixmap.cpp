#include "ui/widgets/keyed_pixmap.h"

#include <QBitmap>

#include "ui/common/path_text.h"

namespace pictavo {

QPixmap keyed_pixmap(const std::filesystem::path& file) {
  QPixmap pixmap(path_text(file));
  if (!pixmap.isNull())
    pixmap.setMask(pixmap.createMaskFromColor(QColor(0xFF, 0x00, 0xFF), Qt::MaskInColor));
  return pixmap;
}

}  // namespace pictavo
