#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>
#include <filesystem>

namespace pictavo {

// The user's language for as long as the object lives: the program's translation
// and Qt's own (standard buttons, the file, font and colour choosers), both from the
// program folder's translations/. The language is the first of the locale's user
// interface languages that the program has a translation for; for the system's
// locale that means LANGUAGE first, then LC_ALL, LC_MESSAGES and LANG. Without one
// the program speaks English, as its texts are written.
class UserLanguage {
 public:
  explicit UserLanguage(const std::filesystem::path& program_folder,
                        const QLocale& locale = QLocale::system());
  UserLanguage(const UserLanguage&) = delete;
  UserLanguage& operator=(const UserLanguage&) = delete;

  // The translation's language ("de", "ja"); empty for English.
  QString language() const { return program_.language(); }

 private:
  QTranslator program_;
  QTranslator qt_;
};

}  // namespace pictavo
