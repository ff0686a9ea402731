// The shipped translations, read from the source tree as lupdate leaves them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <string>
#include <vector>

namespace pictavo {
namespace {

using ::testing::IsEmpty;

// One message of a .ts file: its source, its translations (one a plural form) and
// the type lupdate or a translator gave it.
struct Message {
  QString context;
  QString source;
  QStringList translations;
  QString type;
};

std::vector<Message> messages_of(const QString& file, QString* language) {
  QFile ts(file);
  EXPECT_TRUE(ts.open(QIODevice::ReadOnly)) << file.toStdString();
  QXmlStreamReader xml(&ts);
  std::vector<Message> messages;
  QString context;
  bool plural = false;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QStringView name = xml.name();
    if (name == u"TS") {
      *language = xml.attributes().value(QStringLiteral("language")).toString();
    } else if (name == u"name") {
      context = xml.readElementText();
    } else if (name == u"message") {
      plural = xml.attributes().value(QStringLiteral("numerus")) == u"yes";
      messages.push_back({context, {}, {}, {}});
    } else if (name == u"source") {
      messages.back().source = xml.readElementText();
    } else if (name == u"translation") {
      messages.back().type = xml.attributes().value(QStringLiteral("type")).toString();
      // A plural message holds its forms in numerusform elements.
      if (!plural) messages.back().translations << xml.readElementText();
    } else if (name == u"numerusform") {
      messages.back().translations << xml.readElementText();
    }
  }
  EXPECT_FALSE(xml.hasError()) << file.toStdString() << ": " << xml.errorString().toStdString();
  return messages;
}

// %1 to %99, %L1 and %n, each counted once.
QSet<QString> placeholders(const QString& text) {
  static const QRegularExpression kPlaceholder(QStringLiteral("%(L?[1-9][0-9]?|n)"));
  QSet<QString> found;
  for (const QRegularExpressionMatch& match : kPlaceholder.globalMatch(text))
    found.insert(match.captured());
  return found;
}

// The keyboard accelerators of a text: "&" before a character, "&&" being a plain "&".
int accelerators(const QString& text) {
  int count = 0;
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] != u'&') ++count;
    ++i;
  }
  return count;
}

// What is wrong with one message, if anything.
std::vector<std::string> problems_of(const Message& message) {
  const std::string where =
      message.context.toStdString() + " \"" + message.source.toStdString() + "\": ";
  std::vector<std::string> problems;
  if (!message.type.isEmpty()) problems.push_back(where + "marked " + message.type.toStdString());
  if (message.translations.isEmpty()) problems.push_back(where + "no translation");
  for (const QString& translation : message.translations) {
    if (translation.trimmed().isEmpty()) {
      problems.push_back(where + "empty translation");
    } else if (placeholders(translation) != placeholders(message.source)) {
      problems.push_back(where + "placeholders differ in \"" + translation.toStdString() + "\"");
    } else if (accelerators(translation) != accelerators(message.source)) {
      problems.push_back(where + "accelerators differ in \"" + translation.toStdString() + "\"");
    }
  }
  return problems;
}

TEST(TranslationFiles, EveryMessageOfEveryLanguageIsTranslatedWithTheSourcesPlaceholders) {
  const QDir folder(QStringLiteral(PICTAVO_TEST_TRANSLATIONS_DIR));
  const QStringList files = folder.entryList({QStringLiteral("pictavo_*.ts")}, QDir::Files);
  EXPECT_EQ(files, (QStringList{QStringLiteral("pictavo_de.ts"), QStringLiteral("pictavo_ja.ts")}));
  for (const QString& file : files) {
    SCOPED_TRACE(file.toStdString());
    QString language;
    const std::vector<Message> messages = messages_of(folder.filePath(file), &language);
    EXPECT_EQ(QStringLiteral("pictavo_") + language + QStringLiteral(".ts"), file);
    EXPECT_GT(messages.size(), 400u);
    std::vector<std::string> problems;
    for (const Message& message : messages) {
      for (std::string& problem : problems_of(message))
        problems.push_back(std::move(problem));
    }
    EXPECT_THAT(problems, IsEmpty());
  }
}

TEST(TranslationFiles, FindsWhatIsWrongWithAMessage) {
  const auto problems = [](const QString& source, const QString& translation,
                           const QString& type = {}) {
    return problems_of({QStringLiteral("Context"), source, {translation}, type}).size();
  };
  EXPECT_EQ(problems(QStringLiteral("Copied %1 files to %2."), QStringLiteral("%2: %1")), 0u);
  EXPECT_EQ(problems(QStringLiteral("Copied %1 files to %2."), QStringLiteral("%1 kopiert")), 1u);
  EXPECT_EQ(
      problems(QStringLiteral("Save"), QStringLiteral("Speichern"), QStringLiteral("unfinished")),
      1u);
  EXPECT_EQ(
      problems(QStringLiteral("Save"), QStringLiteral("Speichern"), QStringLiteral("vanished")),
      1u);
  EXPECT_EQ(problems(QStringLiteral("Save"), QStringLiteral(" ")), 1u);
  EXPECT_EQ(problems(QStringLiteral("&Next Tip"), QStringLiteral("Nächster Tipp")), 1u);
  EXPECT_EQ(problems(QStringLiteral("&Next Tip"), QStringLiteral("&Nächster Tipp")), 0u);
}

}  // namespace
}  // namespace pictavo
