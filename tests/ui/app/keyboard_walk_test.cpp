// Every window and dialog as a keyboard and a screen reader meet it: an icon-only
// button has a name, a field has a label that points at it, and every control
// that takes the focus can be reached with Tab. The main window's shortcuts reach
// the steps and the project commands.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <set>
#include <string>
#include <vector>

#include "effects/effect_set.h"
#include "effects/transition_type.h"
#include "support/files.h"
#include "ui/app/main_window.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/completion_dialog.h"
#include "ui/dialogs/import_folder_dialog.h"
#include "ui/dialogs/missing_photos_dialog.h"
#include "ui/dialogs/psp_file_manager_dialog.h"
#include "ui/dialogs/settings_dialog.h"
#include "ui/dialogs/shutdown_countdown_dialog.h"
#include "ui/dialogs/tip_of_the_day_dialog.h"
#include "ui/dialogs/transition_setting_dialog.h"
#include "ui/editor/picture_editor_dialog.h"
#include "ui/pages/organize_photo_page.h"
#include "ui/ui_test.h"
#include "ui/widgets/project_tree.h"
#include "ui/widgets/thumbnail_list.h"

namespace pictavo {
namespace {

std::string describe(const QWidget& widget) {
  std::string text = widget.metaObject()->className();
  for (const QString& part : {widget.accessibleName(), widget.toolTip(), widget.objectName()}) {
    if (!part.isEmpty()) return text + " \"" + part.toStdString() + "\"";
  }
  if (const auto* label = qobject_cast<const QAbstractButton*>(&widget))
    return text + " \"" + label->text().toStdString() + "\"";
  return text + " in " + (widget.parentWidget() ? describe(*widget.parentWidget()) : "nothing");
}

// A part of a control the user meets as the control itself.
bool is_part_of_a_control(const QWidget& widget) {
  const QWidget* parent = widget.parentWidget();
  return parent != nullptr &&
         (qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent));
}

// What the keyboard walk finds wrong with the window as it is shown.
std::vector<std::string> problems(QWidget& window) {
  window.show();
  test::process_events();
  std::set<const QWidget*> labelled;
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->buddy() != nullptr) labelled.insert(label->buddy());
  }
  std::vector<std::string> found;
  for (const QWidget* widget : window.findChildren<QWidget*>()) {
    if (!widget->isVisible() || !widget->isEnabled() || is_part_of_a_control(*widget)) continue;
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    if (button != nullptr && button->text().isEmpty() && button->accessibleName().isEmpty())
      found.push_back("an icon-only button without a name: " + describe(*widget));
    const Qt::FocusPolicy policy = widget->focusPolicy();
    if (policy != Qt::NoFocus && (policy & Qt::TabFocus) == 0)
      found.push_back("Tab cannot reach " + describe(*widget));
    const bool field = qobject_cast<const QLineEdit*>(widget) ||
                       qobject_cast<const QComboBox*>(widget) ||
                       qobject_cast<const QAbstractSpinBox*>(widget) ||
                       qobject_cast<const QPlainTextEdit*>(widget);
    if (field && !labelled.contains(widget) && widget->accessibleName().isEmpty())
      found.push_back("a field without a label: " + describe(*widget));
  }
  return found;
}

class KeyboardWalk : public test::UiTest {
 protected:
  KeyboardWalk() {
    project->add_slideshow("Trip");
    project->current()->add_photo(test::write_photo(files / "a.png", 64, 48, 0xFF336699u),
                                  project->default_setting);
  }
};

TEST_F(KeyboardWalk, EveryPageOfTheMainWindow) {
  for (int step = 0; step < 4; ++step) {
    window->show_page(step);
    EXPECT_EQ(problems(*window), std::vector<std::string>{}) << "step " << step;
  }
}

TEST_F(KeyboardWalk, EveryDialog) {
  SettingsDialog settings_dialog(*project, window->history(), dialogs, window.get());
  for (int tab = 0; tab < 2; ++tab) {
    settings_dialog.findChild<QTabWidget*>()->setCurrentIndex(tab);
    EXPECT_EQ(problems(settings_dialog), std::vector<std::string>{}) << "settings, tab " << tab;
  }
  PictureEditorDialog editor(*project, window->history(), 0, dialogs, window.get());
  for (int tab = 0; tab < editor.findChild<QTabWidget*>()->count(); ++tab) {
    editor.findChild<QTabWidget*>()->setCurrentIndex(tab);
    EXPECT_EQ(problems(editor), std::vector<std::string>{}) << "picture editor, tab " << tab;
  }
  ImportFolderDialog import(window.get());
  EXPECT_EQ(problems(import), std::vector<std::string>{});
  AboutDialog about(QStringLiteral("1.0"), window.get());
  EXPECT_EQ(problems(about), std::vector<std::string>{});
  TipOfTheDayDialog tip(project->preferences.program_folder / "Tips.txt", *settings, window.get());
  EXPECT_EQ(problems(tip), std::vector<std::string>{});
  CompletionDialog completion(files.path(), window.get());
  EXPECT_EQ(problems(completion), std::vector<std::string>{});
  ShutdownCountdownDialog countdown(window.get());
  EXPECT_EQ(problems(countdown), std::vector<std::string>{});
  for (const TransitionType type : {TransitionType::kBlinds, TransitionType::kPolygon}) {
    TransitionSettingDialog setting(*project->effect_set.template_at(picker_index(type)),
                                    window.get());
    EXPECT_EQ(problems(setting), std::vector<std::string>{}) << display_name(type);
  }
  PspFileManagerDialog transfer(files.path(), project->front_end, dialogs, window.get());
  EXPECT_EQ(problems(transfer), std::vector<std::string>{});
  MissingPhotosDialog missing(*project, window->history(), dialogs, window.get());
  EXPECT_EQ(problems(missing), std::vector<std::string>{});
}

TEST_F(KeyboardWalk, ShortcutsReachTheStepsAndTheProjectCommands) {
  window->show();
  test::process_events();
  for (int step = 3; step >= 0; --step) {
    QTest::keyClick(window.get(), static_cast<Qt::Key>(Qt::Key_1 + step), Qt::ControlModifier);
    EXPECT_EQ(window->current_page(), step);
  }
  std::vector<QKeySequence> keys;
  for (const QAction* action : window->actions())
    keys.push_back(action->shortcut());
  for (const QKeySequence& wanted :
       {QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::CTRL | Qt::Key_O),
        QKeySequence(Qt::CTRL | Qt::Key_S), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::Key_F1)}) {
    EXPECT_NE(std::find(keys.begin(), keys.end(), wanted), keys.end())
        << wanted.toString().toStdString();
  }
  // F2 renames the slideshow chosen in the tree, from anywhere on the page.
  window->show_page(0);
  window->organize_page()->tree()->select_slideshow(0);
  window->organize_page()->thumbnail_list()->setFocus();
  QTest::keyClick(window->organize_page()->thumbnail_list(), Qt::Key_F2);
  EXPECT_NE(window->organize_page()->tree()->findChild<QLineEdit*>(), nullptr);
}
// Escape closes every dialog, and Enter presses the default button of those that
// have one to confirm, as desktops do.
TEST_F(KeyboardWalk, EnterAndEscapeInEveryDialog) {
  const auto escape_closes = [](QDialog& dialog) {
    dialog.show();
    test::process_events();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    test::process_events();
    return !dialog.isVisible() && dialog.result() == QDialog::Rejected;
  };
  const auto enter_accepts = [](QDialog& dialog) {
    dialog.show();
    test::process_events();
    QTest::keyClick(&dialog, Qt::Key_Return);
    test::process_events();
    return !dialog.isVisible() && dialog.result() == QDialog::Accepted;
  };
  {
    SettingsDialog settings_dialog(*project, window->history(), dialogs, window.get());
    EXPECT_TRUE(escape_closes(settings_dialog)) << "settings";
  }
  {
    ImportFolderDialog import(window.get());
    EXPECT_TRUE(escape_closes(import)) << "import";
  }
  {
    AboutDialog about(QStringLiteral("1.0"), window.get());
    EXPECT_TRUE(enter_accepts(about)) << "about";
  }
  {
    TipOfTheDayDialog tip(project->preferences.program_folder / "Tips.txt", *settings,
                          window.get());
    EXPECT_TRUE(escape_closes(tip)) << "tip";
  }
  {
    CompletionDialog completion(files.path(), window.get());
    EXPECT_TRUE(enter_accepts(completion)) << "completion";
  }
  {
    TransitionSettingDialog setting(
        *project->effect_set.template_at(picker_index(TransitionType::kBlinds)), window.get());
    EXPECT_TRUE(enter_accepts(setting)) << "transition settings, Enter";
  }
  {
    TransitionSettingDialog setting(
        *project->effect_set.template_at(picker_index(TransitionType::kBlinds)), window.get());
    EXPECT_TRUE(escape_closes(setting)) << "transition settings, Escape";
  }
  {
    PspFileManagerDialog transfer(files.path(), project->front_end, dialogs, window.get());
    EXPECT_TRUE(escape_closes(transfer)) << "copy dialog";
  }
}

}  // namespace
}  // namespace pictavo
