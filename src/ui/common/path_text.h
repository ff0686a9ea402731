#pragma once

#include <QFile>
#include <QString>
#include <filesystem>

namespace pictavo {

// File names pass between the engine and Qt in the file system's own encoding.
inline QString path_text(const std::filesystem::path& path) {
  return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

inline std::filesystem::path path_of(const QString& text) {
  return std::filesystem::path(QFile::encodeName(text).toStdString());
}

}  // namespace pictavo
