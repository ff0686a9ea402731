// The windows in German, whose texts run longer than the English ones, and in
// Japanese, whose characters are wider: every text must fit the room its widget
// has after layout.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "effects/effect_set.h"
#include "model/project.h"
#include "ui/app/main_window.h"
#include "ui/dialogs/completion_dialog.h"
#include "ui/dialogs/psp_file_manager_dialog.h"
#include "ui/dialogs/settings_dialog.h"
#include "ui/dialogs/tip_of_the_day_dialog.h"
#include "ui/dialogs/transition_setting_dialog.h"
#include "ui/editor/picture_editor_dialog.h"
#include "ui/ui_test.h"

namespace pictavo {
namespace {

using ::testing::IsEmpty;

// The text as shown: a "&" that marks an accelerator takes no room.
QString shown(QString text) {
  return text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
}

// The widest line of `text`.
int text_width(const QWidget& widget, const QString& text) {
  const QFontMetrics metrics = widget.fontMetrics();
  int width = 0;
  for (const QString& line : shown(text).split(QLatin1Char('\n')))
    width = std::max(width, metrics.horizontalAdvance(line));
  return width;
}

// Collects the texts that need more room than their widget gives them.
class CutOffTexts {
 public:
  void check(const QWidget& window) {
    for (const QWidget* widget : window.findChildren<const QWidget*>()) {
      if (!widget->isVisible()) continue;
      if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        check_label(*label);
      } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        check_push_button(*button);
      } else if (const auto* box = qobject_cast<const QCheckBox*>(widget)) {
        check_indicator_button(*box, QStyle::SE_CheckBoxContents);
      } else if (const auto* radio = qobject_cast<const QRadioButton*>(widget)) {
        check_indicator_button(*radio, QStyle::SE_RadioButtonContents);
      } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        check_group_box(*group);
      } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
        check_tabs(*tabs);
      }
    }
  }

  std::vector<std::string> found;

 private:
  void note(const QWidget& widget, const QString& text, int needed, int room) {
    if (needed <= room) return;
    std::string problem = std::string(widget.metaObject()->className()) + " \"" +
                          text.toStdString() + "\" needs " + std::to_string(needed) + " px, has " +
                          std::to_string(room);
    // Widgets outside the pages are seen once for every page.
    if (std::find(found.begin(), found.end(), problem) == found.end())
      found.push_back(std::move(problem));
  }

  // Labels that wrap, show a picture or rich text are laid out by Qt itself.
  void check_label(const QLabel& label) {
    if (label.text().isEmpty() || label.wordWrap() || Qt::mightBeRichText(label.text())) return;
    const int room = label.contentsRect().width() - 2 * label.margin();
    note(label, label.text(), text_width(label, label.text()), room);
  }

  void check_push_button(const QPushButton& button) {
    if (button.text().isEmpty()) return;
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect contents =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    // The text keeps the style's margin from the button's frame.
    const int margin = button.style()->pixelMetric(QStyle::PM_ButtonMargin, &option, &button);
    int needed = text_width(button, button.text());
    if (!button.icon().isNull()) needed += button.iconSize().width() + 4;
    note(button, button.text(), needed, contents.width() - margin);
  }

  void check_indicator_button(const QAbstractButton& button, QStyle::SubElement contents) {
    if (button.text().isEmpty()) return;
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect room = button.style()->subElementRect(contents, &option, &button);
    note(button, button.text(), text_width(button, button.text()), room.width());
  }

  void check_group_box(const QGroupBox& box) {
    if (box.title().isEmpty()) return;
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    const QRect label =
        box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    // The title starts where the style puts it and must end inside the box.
    note(box, box.title(), label.left() + text_width(box, box.title()), box.width());
  }

  void check_tabs(const QTabBar& tabs) {
    const int padding = tabs.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &tabs);
    for (int i = 0; i < tabs.count(); ++i) {
      const QRect tab = tabs.tabRect(i);
      // A tab beyond the bar's end hides behind its scroll buttons.
      note(tabs, tabs.tabText(i), tab.right() + 1, tabs.width());
      note(tabs, tabs.tabText(i), text_width(tabs, tabs.tabText(i)) + padding, tab.width());
    }
  }
};

class TranslatedLayoutTest : public test::UiTest,
                             public ::testing::WithParamInterface<const char*> {
 protected:
  TranslatedLayoutTest() : UiTest(QLocale(QString::fromLatin1(GetParam()))) {}
};

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedLayoutTest, ::testing::Values("de", "ja"),
                         [](const auto& language) { return std::string(language.param); });

TEST_P(TranslatedLayoutTest, EveryPageOfTheMainWindowHasRoomForItsTexts) {
  ASSERT_EQ(language->language(), GetParam());
  window->show();
  CutOffTexts cut;
  for (int page = 0; page < 4; ++page) {
    window->show_page(page);
    test::process_events();
    cut.check(*window);
  }
  EXPECT_THAT(cut.found, IsEmpty());
}

TEST_P(TranslatedLayoutTest, BothPagesOfTheSettingsDialogHaveRoomForTheirTexts) {
  SettingsDialog dialog(*project, window->history(), dialogs, window.get());
  EXPECT_NE(dialog.windowTitle(), "Settings");
  dialog.show();
  CutOffTexts cut;
  for (int page = 0; page < dialog.tabs()->count(); ++page) {
    dialog.tabs()->setCurrentIndex(page);
    test::process_events();
    cut.check(dialog);
  }
  EXPECT_THAT(cut.found, IsEmpty());
}

TEST_P(TranslatedLayoutTest, TheOtherDialogsHaveRoomForTheirTexts) {
  project->add_slideshow("Trip");
  project->current()->add_photo(home.path() / "menu_pic" / "0.jpg", project->default_setting);
  CutOffTexts cut;
  const auto check = [&cut](QDialog& dialog) {
    dialog.show();
    test::process_events();
    cut.check(dialog);
    dialog.hide();
  };
  for (int id = 0; id < kConcreteTransitionCount; ++id) {
    TransitionSettingDialog setting(
        *project->effect_set.template_at(picker_index(static_cast<TransitionType>(id))),
        window.get());
    check(setting);
  }
  PictureEditorDialog editor(*project, window->history(), 0, dialogs, window.get());
  for (int page = 0; page < editor.tabs()->count(); ++page) {
    editor.tabs()->setCurrentIndex(page);
    check(editor);
  }
  // The language's own tips.
  home.install(window->tips_file().filename().string());
  TipOfTheDayDialog tip(window->tips_file(), *settings, window.get());
  EXPECT_NE(tip.header_text(), "Oops!");
  EXPECT_EQ(window->tips_file().filename(), "Tips_" + std::string(GetParam()) + ".txt");
  check(tip);
  CompletionDialog completion(files.path(), window.get());
  check(completion);
  PspFileManagerDialog transfer(files.path(), project->front_end, dialogs, window.get());
  check(transfer);
  EXPECT_THAT(cut.found, IsEmpty());
}

}  // namespace
}  // namespace pictavo
