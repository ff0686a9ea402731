#include "ui/dialogs/tip_of_the_day_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QSettings>
#include <chrono>
#include <memory>
#include <set>

#include "support/files.h"
#include "support/temp_program_folder.h"
#include "ui/app/program_settings.h"
#include "ui/ui_test.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

struct Shown {
  QString header;
  QString text;
  QString footer;

  bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& shown, std::ostream* out) {
  *out << '[' << shown.header.toStdString() << "|" << shown.text.toStdString() << "|"
       << shown.footer.toStdString() << ']';
}

class TipOfTheDayTest : public ::testing::Test {
 protected:
  TipOfTheDayTest() { test::ensure_qt_application(); }

  // Writes the tips file with a modification time of its own, `age` ago.
  void write_tips(std::string_view text, std::chrono::hours age = std::chrono::hours(1)) {
    test::write_file(tips, text);
    fs::last_write_time(tips, fs::file_time_type::clock::now() - age);
  }
  void open() {
    dialog.reset();
    dialog = std::make_unique<TipOfTheDayDialog>(tips, settings);
  }
  Shown shown() const { return {dialog->header_text(), dialog->tip_text(), dialog->footer_text()}; }
  Shown next() {
    dialog->next_button()->click();
    return shown();
  }

  test::TempFolder files;
  fs::path tips = files / "Tips.txt";
  QSettings settings{QString::fromStdString((files / "pictavo.ini").string()),
                     QSettings::IniFormat};
  std::unique_ptr<TipOfTheDayDialog> dialog;
};

constexpr std::string_view kTips =
    "; comment\n"
    "\n"
    "\tindented\n"
    " spaced\n"
    "First\tHeader A\tFooter A\t7\n"
    "Second\r\n"
    "Third\t\tFoot\n";

const QString kDefaultHeader = "Did you know...";

TEST_F(TipOfTheDayTest, ShowsEachTipWithItsHeaderAndFooterAndGoesRound) {
  write_tips(kTips);
  open();
  EXPECT_EQ(dialog->windowTitle(), "Tip of the Day");
  EXPECT_EQ(shown(), (Shown{"Header A", "First", "Footer A"}));
  EXPECT_EQ(dialog->tip_number(), 7);
  EXPECT_EQ(next(), (Shown{kDefaultHeader, "Second", ""}));
  EXPECT_EQ(next(), (Shown{kDefaultHeader, "Third", "Foot"}));
  EXPECT_EQ(next(), (Shown{"Header A", "First", "Footer A"}));
}

TEST_F(TipOfTheDayTest, GoesOnWhereItStoppedUntilTheFileChanges) {
  write_tips(kTips);
  open();
  next();
  open();
  EXPECT_EQ(shown().text, "Third");

  // Another file with the same place stored starts from its beginning.
  write_tips("New one\nNew two\nNew three\n", std::chrono::hours(2));
  open();
  EXPECT_EQ(shown().text, "New one");
  open();
  EXPECT_EQ(shown().text, "New two");
}

TEST_F(TipOfTheDayTest, SaysWhatIsWrongWhenThereIsNoTipToShow) {
  struct Case {
    const char* name;
    std::string_view file;  // empty: no tips file
    long long position;     // the stored place in an unchanged file
    Shown expected;
    bool next_enabled;
  };
  const Case cases[] = {
      {"missing", "", 0, Shown{"Oops!", "The tips file is missing from the program folder", ""},
       false},
      {"comments only", "; one\n\n\tthree\n four", 0,
       Shown{"Oops!", "The tips file holds no tips", ""}, false},
      {"comments only, read from the middle", "; one\n\n\tthree\n four", 7,
       Shown{"Oops!", "The tips file holds no tips", ""}, false},
      {"a place before the start", kTips, -5, Shown{"Oops!", "Trouble reading the tips file", ""},
       true},
  };
  for (const Case& c : cases) {
    fs::remove(tips);
    if (!c.file.empty()) {
      write_tips(c.file);
      open();  // stores the file's time stamp
      dialog.reset();
    }
    ProgramSettings(settings).set_tip_position(c.position);
    open();
    EXPECT_EQ(shown(), c.expected) << c.name;
    EXPECT_EQ(dialog->next_button()->isEnabled(), c.next_enabled) << c.name;
  }
}

// The English tips and each language's own, as many in every file.
TEST_F(TipOfTheDayTest, EveryShippedTipShows) {
  const test::TempProgramFolder home;
  std::set<std::size_t> counts;
  for (const char* file : {"Tips.txt", "Tips_de.txt", "Tips_ja.txt"}) {
    SCOPED_TRACE(file);
    home.install(file);
    tips = home.path() / file;
    open();
    const QString first = shown().text;
    std::set<QString> texts;
    for (int i = 0; i < 100 && texts.insert(shown().text).second; ++i) {
      EXPECT_FALSE(shown().header.isEmpty());
      EXPECT_NE(shown().header, "Oops!");
      next();
    }
    EXPECT_EQ(shown().text, first);
    EXPECT_GE(texts.size(), 20u);
    counts.insert(texts.size());
  }
  EXPECT_EQ(counts.size(), 1u);
}

TEST_F(TipOfTheDayTest, CloseKeepsTheStartUpSwitch) {
  write_tips(kTips);
  for (const bool show : {false, true}) {
    ProgramSettings(settings).set_tip_at_start_up(!show);
    open();
    EXPECT_EQ(dialog->show_at_start_up_box()->isChecked(), !show);
    dialog->show_at_start_up_box()->setChecked(show);
    dialog->close_button()->click();
    EXPECT_EQ(settings.value("Software/Pictavo/TipEveryDay/TipDisplayFlag").toString(),
              show ? "1" : "0");
  }
}

}  // namespace
}  // namespace pictavo
