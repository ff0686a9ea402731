#pragma once

#include <QPixmap>
#include <filesystem>

namespace pictavo {

// Loads one of the program's button or tab pictures, which are drawn with magenta
// (0xFF00FF) where they are transparent. A missing file gives a null pixmap.
QPixmap keyed_pixmap(const std::filesystem::path& file);

}  // namespace pictavo
