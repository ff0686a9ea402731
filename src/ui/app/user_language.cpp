#include "ui/app/user_language.h"

#include <QCoreApplication>

#include "ui/common/path_text.h"

namespace pictavo {

UserLanguage::UserLanguage(const std::filesystem::path& program_folder, const QLocale& locale) {
  const QString folder = path_text(program_folder / "translations");
  if (!program_.load(locale, QStringLiteral("pictavo"), QStringLiteral("_"), folder)) return;
  QCoreApplication::installTranslator(&program_);
  // Qt's translation of the same language, whichever of the locale's it is.
  if (qt_.load(QStringLiteral("qtbase_") + program_.language(), folder))
    QCoreApplication::installTranslator(&qt_);
}

}  // namespace pictavo
