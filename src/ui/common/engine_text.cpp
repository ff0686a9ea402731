#include "ui/common/engine_text.h"

#include <QCoreApplication>
#include <string>
#include <vector>

#include "base/translation_mark.h"

namespace pictavo {

QString engine_text(std::string_view text) {
  const std::string source(text);
  return QCoreApplication::translate(kEngineTextContext, source.c_str());
}

QString engine_text(const UserText& text) {
  if (!text.is_marked()) return QString::fromStdString(text.source());
  const QString translated = engine_text(std::string_view(text.source()));
  if (text.args().empty()) return translated;
  std::vector<std::string> values;
  values.reserve(text.args().size());
  for (const UserText& arg : text.args())
    values.push_back(engine_text(arg).toStdString());
  return QString::fromStdString(fill_placeholders(translated.toStdString(), values));
}

}  // namespace pictavo
