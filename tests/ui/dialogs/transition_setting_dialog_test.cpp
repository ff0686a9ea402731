#include "ui/dialogs/transition_setting_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include "effects/transition_choice.h"
#include "effects/transition_params.h"
#include "model/preferences_file.h"
#include "model/project.h"
#include "render/render_test_support.h"
#include "support/seeded_random.h"
#include "support/temp_program_folder.h"
#include "ui/app/qt_transition_setting_dialogs.h"
#include "ui/dialogs/transition_parameter_box.h"
#include "ui/ui_test.h"

namespace pictavo {
namespace {

TransitionType type_of(int id) {
  return static_cast<TransitionType>(id);
}

class TransitionSettingDialogTest : public ::testing::Test {
 protected:
  TransitionSettingDialogTest() { test::ensure_qt_application(); }
};

TEST_F(TransitionSettingDialogTest, ShowsTheObjectAndOffersDefaultsAndFreshDrawsWithoutStoring) {
  for (int id = 0; id < kConcreteTransitionCount; ++id) {
    SCOPED_TRACE(id);
    effect_random().seed(static_cast<std::uint32_t>(id) + 11);
    const auto params = make_transition(type_of(id), ParamsInit::kRandom);
    const TransitionValues stored = params->values();
    TransitionSettingDialog dialog(*params);
    EXPECT_TRUE(dialog.windowTitle().startsWith("Transition "));
    EXPECT_EQ(dialog.parameter_box(2) != nullptr, params->form().parameter_count == 2);
    EXPECT_EQ(dialog.shown_values(), stored);

    dialog.default_button()->click();
    EXPECT_EQ(dialog.shown_values(), params->default_values());

    for (const std::uint32_t seed : {1u, 77u, test::seed_for_first_draw(32767)}) {
      effect_random().seed(seed);
      const TransitionValues drawn = params->form().draw();
      effect_random().seed(seed);
      dialog.random_button()->click();
      EXPECT_EQ(dialog.shown_values(), drawn);
      EXPECT_EQ(params->form().clamped(drawn), drawn);
    }
    EXPECT_EQ(params->values(), stored);
  }
}

TEST_F(TransitionSettingDialogTest, RadioButtonsKeepOneCheckedAndReadInTheOrderShown) {
  WipeParams wipe({1, 1});
  TransitionSettingDialog dialog(wipe);
  TransitionParameterBox& directions = *dialog.parameter_box(1);
  EXPECT_EQ(directions.choice_box(3)->text(), "Top to bottom");
  directions.choice_box(3)->click();
  directions.choice_box(3)->click();  // a second click keeps it checked
  EXPECT_TRUE(directions.choice_box(3)->isChecked());
  EXPECT_FALSE(directions.choice_box(1)->isChecked());
  EXPECT_EQ(directions.value(), 3);

  // "Yes" stands before "No", so it wins when both are checked.
  TransitionParameterBox& push = *dialog.parameter_box(2);
  push.choice_box(0)->setChecked(true);
  EXPECT_EQ(push.value(), 1);
  push.choice_box(1)->setChecked(false);
  push.choice_box(0)->setChecked(false);
  EXPECT_EQ(push.value(), 0);
  directions.choice_box(3)->setChecked(false);
  EXPECT_EQ(directions.value(), 0);
}

TEST_F(TransitionSettingDialogTest, ListsHoldTheWholeRangeAndSelectTheValue) {
  BlindsParams blinds({0, 8});
  TransitionSettingDialog blinds_dialog(blinds);
  EXPECT_EQ(blinds_dialog.windowTitle(), "Transition Blinds Setting");
  QComboBox& windows = *blinds_dialog.parameter_box(2)->value_list();
  ASSERT_EQ(windows.count(), 7);
  EXPECT_EQ(windows.itemText(0), "4");
  EXPECT_EQ(windows.itemText(6), "10");
  EXPECT_EQ(windows.currentIndex(), 4);

  for (const TransitionType type : {TransitionType::kCircle, TransitionType::kDiagonalSweep,
                                    TransitionType::kShutter, TransitionType::kSweep}) {
    const auto params = make_transition(type, TransitionValues{1, 80});
    TransitionSettingDialog dialog(*params);
    const QComboBox& widths = *dialog.parameter_box(2)->value_list();
    EXPECT_EQ(widths.count(), 80);
    EXPECT_EQ(widths.currentIndex(), 79);
    EXPECT_EQ(widths.currentText(), "80");
    EXPECT_EQ(dialog.shown_values(), (TransitionValues{1, 80}));
  }
}

TEST_F(TransitionSettingDialogTest, OkStoresWhatIsShownAndCancelKeepsTheObject) {
  TransitionValues shown;
  bool confirm = false;
  QtTransitionSettingDialogs dialogs(nullptr, [&](TransitionSettingDialog& dialog) {
    dialog.random_button()->click();
    dialog.random_button()->click();
    shown = dialog.shown_values();
    (confirm ? dialog.ok_button() : dialog.cancel_button())->click();
    return dialog.result();
  });
  effect_random().seed(3);
  for (int id = 0; id < kConcreteTransitionCount; ++id) {
    SCOPED_TRACE(id);
    const auto params = make_transition(type_of(id));
    confirm = false;
    EXPECT_FALSE(params->open_setting_dialog(dialogs));
    EXPECT_EQ(params->values(), params->default_values());
    confirm = true;
    EXPECT_TRUE(params->open_setting_dialog(dialogs));
    EXPECT_EQ(params->values(), shown);
  }
}

// The middle frame of a black photo coming in over a white picture.
FrameCanvas middle_frame(TransitionType type, TransitionValues values) {
  test::TransitionRun run(64, 48, test::grey(255), test::grey(0), static_cast<int>(type), values);
  EXPECT_EQ(run.render(1, 10, 10), 0);
  return run.frames.size() == 10 ? std::move(run.frames[5]) : FrameCanvas();
}

bool same_pixels(const FrameCanvas& a, const FrameCanvas& b) {
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) return false;
    }
  }
  return true;
}

// One type of each kind of parameter: radio buttons and a yes/no choice, radio
// buttons and a width, a count and radio buttons.
TEST_F(TransitionSettingDialogTest, ChosenSettingsReachThePreferencesFileAndTheFrames) {
  struct Choice {
    TransitionType type;
    TransitionValues values;
  };
  const Choice choices[] = {{TransitionType::kWipe, {3, 0}},
                            {TransitionType::kCircle, {1, 10}},
                            {TransitionType::kPolygon, {4, 1}}};
  test::TempProgramFolder home;
  home.install("profile");
  Project project(home.path());
  project.preferences.set_program_folder(home.path());
  for (const Choice& choice : choices) {
    QtTransitionSettingDialogs dialogs(nullptr, [&](TransitionSettingDialog& dialog) {
      for (int parameter : {1, 2}) {
        TransitionParameterBox& box = *dialog.parameter_box(parameter);
        const int value = parameter == 1 ? choice.values.p1 : choice.values.p2;
        if (box.value_list() != nullptr) {
          box.value_list()->setCurrentText(QString::number(value));
        } else {
          box.choice_box(value)->click();
        }
      }
      dialog.ok_button()->click();
      return dialog.result();
    });
    ASSERT_TRUE(
        project.effect_set.template_at(picker_index(choice.type))->open_setting_dialog(dialogs));
  }
  ASSERT_EQ(save_preferences(project), 0);

  Project reread(home.path());
  reread.preferences.set_program_folder(home.path());
  ASSERT_EQ(load_preferences(reread), 0);
  for (const Choice& choice : choices) {
    SCOPED_TRACE(static_cast<int>(choice.type));
    const auto photo_transition =
        resolve_transition(*reread.effect_set.template_at(picker_index(choice.type)));
    EXPECT_EQ(photo_transition->values(), choice.values);
    EXPECT_FALSE(same_pixels(middle_frame(choice.type, photo_transition->values()),
                             middle_frame(choice.type, photo_transition->default_values())));
  }
}

}  // namespace
}  // namespace pictavo
