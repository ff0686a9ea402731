#include "ui/pages/effect_page.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <map>
#include <string>
#include <vector>

#include "effects/transition_setting_dialogs.h"
#include "model/screen_aspect.h"
#include "support/files.h"
#include "ui/app/main_window.h"
#include "ui/app/project_signals.h"
#include "ui/ui_test.h"
#include "ui/widgets/effect_list.h"
#include "ui/widgets/full_screen_preview.h"
#include "ui/widgets/image_line.h"
#include "ui/widgets/preview_widget.h"
#include "ui/widgets/project_tree.h"

namespace pictavo::test {
namespace {

// Confirms every Wipe dialog with `wipe` and counts the dialogs opened.
class FakeTransitionDialogs final : public TransitionSettingDialogs {
 public:
  bool open(TransitionParams& params) override {
    ++opened;
    if (params.type() != TransitionType::kWipe) return false;
    params.set_values(wipe);
    return true;
  }

  TransitionValues wipe{3, 0};
  int opened = 0;
};

constexpr int kAlphaEntry = static_cast<int>(TransitionType::kAlpha) + 1;
constexpr int kWipeEntry = static_cast<int>(TransitionType::kWipe) + 1;

class EffectPageTest : public UiTest {
 protected:
  EffectPageTest()
      : page(*project, window->history(), dialogs, transition_dialogs, window.get(), nullptr) {
    QObject::connect(&window->project_signals(), &ProjectSignals::changed, &page,
                     &EffectPage::follow);
    project->add_slideshow("Trip");
    for (int photo = 0; photo < 3; ++photo)
      EXPECT_EQ(slideshow().add_photo(write_photo(files / ("P" + std::to_string(photo) + ".png"),
                                                  32, 24, 0xFF204080u),
                                      project->default_setting),
                0);
    project->recompute_totals();
    page.show();
    page.project_replaced();
  }

  Slideshow& slideshow() { return *project->current(); }
  const EffectRecord& effect(int photo) {
    return slideshow().photos[static_cast<std::size_t>(photo)]->setting.effect;
  }
  void select_entry(int entry) { page.effect_list()->setCurrentRow(entry); }
  int tree_seconds() {
    return page.tree()->disc_item()->child(0)->data(0, ProjectTree::kSecondsRole).toInt();
  }

  FakeTransitionDialogs transition_dialogs;
  EffectPage page;
};

TEST_F(EffectPageTest, CombosStartAtTheDefaultsAndMenusCarryTheProgramsTextsAndIds) {
  EXPECT_EQ(page.combo(EffectPage::kEffectCombo)->count(), 4);
  EXPECT_EQ(page.combo(EffectPage::kEffectCombo)->itemText(3), "Pan/Zoom/Rotate");
  EXPECT_EQ(page.combo(EffectPage::kEffectCombo)->currentIndex(),
            static_cast<int>(project->default_setting.effect.category));
  EXPECT_EQ(page.combo(EffectPage::kDurationCombo)->count(), 60);
  EXPECT_EQ(page.combo(EffectPage::kDurationCombo)->currentText(), "3");
  EXPECT_EQ(page.combo(EffectPage::kTransitionDurationCombo)->count(), 11);
  EXPECT_EQ(page.combo(EffectPage::kTransitionDurationCombo)->currentText(), "2");

  const std::map<int, std::vector<std::pair<std::string, int>>> menus{
      {EffectPage::kApplyEffect,
       {{"Apply to all images", 32801}, {"Apply to selected images", 32802}}},
      {EffectPage::kApplyDuration,
       {{"Apply to all images", 32803}, {"Apply to selected images", 32808}}},
      {EffectPage::kApplyTransition,
       {{"Apply to all images", 32804}, {"Apply to selected images", 32805}}},
      {EffectPage::kApplyTransitionDuration,
       {{"Apply to all images", 32806}, {"Apply to selected images", 32807}}}};
  for (const auto& [button, items] : menus) {
    EXPECT_EQ(page.button(static_cast<EffectPage::Control>(button))->text(), "Apply to ...");
    const QMenu* menu = page.apply_menu(static_cast<EffectPage::Control>(button));
    ASSERT_NE(menu, nullptr) << button;
    std::vector<std::pair<std::string, int>> shown;
    for (const QAction* action : menu->actions())
      shown.emplace_back(action->text().toStdString(), action->data().toInt());
    EXPECT_EQ(shown, items) << button;
  }
  EXPECT_EQ(page.apply_menu(EffectPage::kApplyTransition)->title(), "Transition effect apply");
}

TEST_F(EffectPageTest, AppliesToAllOrToTheSelectedPhotos) {
  page.image_line()->select_photos(std::vector<int>{1});

  page.combo(EffectPage::kDurationCombo)->setCurrentIndex(6);
  page.run_command(EffectPage::kDurationToSelected);
  EXPECT_EQ(effect(0).display_seconds, 3);
  EXPECT_EQ(effect(1).display_seconds, 7);
  process_events();
  EXPECT_EQ(tree_seconds(), static_cast<int>(slideshow().length_seconds()));
  page.run_command(EffectPage::kDurationToAll);
  EXPECT_EQ(effect(2).display_seconds, 7);

  page.combo(EffectPage::kTransitionDurationCombo)->setCurrentIndex(5);
  page.run_command(EffectPage::kTransitionDurationToSelected);
  EXPECT_EQ(effect(0).transition_seconds, 2);
  EXPECT_EQ(effect(1).transition_seconds, 5);
  page.run_command(EffectPage::kTransitionDurationToAll);
  EXPECT_EQ(effect(2).transition_seconds, 5);
  process_events();
  EXPECT_EQ(tree_seconds(), static_cast<int>(slideshow().length_seconds()));

  page.combo(EffectPage::kEffectCombo)->setCurrentIndex(1);  // Pan
  page.run_command(EffectPage::kEffectToSelected);
  EXPECT_EQ(effect(0).image_effect, ImageEffect::kNone);
  EXPECT_LE(static_cast<int>(effect(1).image_effect), 7);
  page.run_command(EffectPage::kEffectToAll);
  EXPECT_LE(static_cast<int>(effect(2).image_effect), 7);

  select_entry(kAlphaEntry);
  page.run_command(EffectPage::kTransitionToAll);
  select_entry(kWipeEntry);
  page.run_command(EffectPage::kTransitionToSelected);
  EXPECT_EQ(effect(0).transition().type(), TransitionType::kAlpha);
  EXPECT_EQ(effect(1).transition().type(), TransitionType::kWipe);
  EXPECT_EQ(effect(2).transition().type(), TransitionType::kAlpha);

  // Without an entry chosen in the list no transition changes.
  page.effect_list()->clearSelection();
  page.run_command(EffectPage::kTransitionToAll);
  page.run_command(EffectPage::kTransitionToSelected);
  EXPECT_EQ(effect(0).transition().type(), TransitionType::kAlpha);
  EXPECT_EQ(effect(1).transition().type(), TransitionType::kWipe);
}

TEST_F(EffectPageTest, TheCaptionFieldEditsTheSelectedPhotosAndTheCombosTheSlideshow) {
  QLineEdit& field = *page.caption_field();
  process_events();
  EXPECT_FALSE(field.isEnabled());
  page.image_line()->select_photos(std::vector<int>{0, 2});
  process_events();
  ASSERT_TRUE(field.isEnabled());
  field.setFocus();
  QTest::keyClicks(&field, "Pond");
  // Choosing other photos while typing leaves the text to the photos it was typed for.
  page.image_line()->select_photos(std::vector<int>{1});
  process_events();
  EXPECT_EQ(field.text(), "Pond");
  QTest::keyClick(&field, Qt::Key_Return);
  EXPECT_EQ(slideshow().photos[0]->caption, "Pond");
  EXPECT_EQ(slideshow().photos[1]->caption, "");
  EXPECT_EQ(slideshow().photos[2]->caption, "Pond");

  page.image_line()->select_photos(std::vector<int>{2});
  process_events();
  EXPECT_EQ(field.text(), "Pond");
  page.image_line()->select_photos(std::vector<int>{1, 2});
  process_events();
  EXPECT_EQ(field.text(), "");
  EXPECT_EQ(field.placeholderText(), "Several captions");

  QComboBox& automatic = *page.combo(EffectPage::kAutoCaptionCombo);
  automatic.setCurrentIndex(static_cast<int>(AutoCaption::kDateTaken));
  emit automatic.activated(automatic.currentIndex());
  EXPECT_EQ(slideshow().captions.automatic, AutoCaption::kDateTaken);
  window->history().undo();
  process_events();
  EXPECT_EQ(automatic.currentIndex(), static_cast<int>(AutoCaption::kNone));
}

TEST(RandomPreviewEntry, PlaysEntriesOneToEighteenTheLastFromTwoQuotients) {
  std::map<int, int> values_per_entry;
  for (int value = 0; value <= 32767; ++value)
    ++values_per_entry[random_preview_entry(value)];
  ASSERT_EQ(values_per_entry.size(), 18u);
  EXPECT_EQ(values_per_entry.begin()->first, 1);
  EXPECT_EQ(values_per_entry.rbegin()->first, 18);
  for (int entry = 1; entry < 18; ++entry)
    EXPECT_EQ(values_per_entry[entry], 1820) << entry;
  // Quotients 17 and 18 both give 18; quotient 18 is only reached by the top 8.
  EXPECT_EQ(values_per_entry[18], 1820 + 8);
  EXPECT_EQ(random_preview_entry(32759), 18);
  EXPECT_EQ(random_preview_entry(32760), 18);
}

TEST_F(EffectPageTest, PlaysFromTheSelectedPhotoInThePreviewOrOverTheWholeScreen) {
  page.image_line()->select_photos(std::vector<int>{2, 1});
  page.button(EffectPage::kPlayFromHere)->click();
  EXPECT_TRUE(page.preview()->running());
  page.preview()->stop();

  page.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&page, 5000));
  page.image_line()->setFocus();
  QTest::keyClick(page.image_line(), Qt::Key_F11);
  FullScreenPreview* full = page.full_screen();
  ASSERT_NE(full, nullptr);
  EXPECT_TRUE(full->isVisible());
  EXPECT_TRUE(full->preview()->running());
  EXPECT_FALSE(page.preview()->running());
  const QSize screen = page.screen()->size();
  EXPECT_EQ(full->preview()->size(), FullScreenPreview::frame_size(screen, 0));
  EXPECT_EQ(FullScreenPreview::frame_size(QSize(1920, 1080), 0), QSize(1440, 1080));
  EXPECT_EQ(FullScreenPreview::frame_size(QSize(1024, 768), 1), QSize(1024, 576));
  EXPECT_EQ(FullScreenPreview::frame_size(QSize(1920, 1080), kAspectNineSixteen), QSize(606, 1078));
  // Escape leaves it, and the preview stops.
  QTest::keyClick(full, Qt::Key_Escape);
  test::process_events();
  EXPECT_EQ(page.full_screen(), nullptr);
}

TEST_F(EffectPageTest, CustomEditsTheChosenTemplateWhichLaterAppliesUse) {
  page.run_command(EffectPage::kCustomTransition);
  ASSERT_EQ(prompt.shown.size(), 1u);
  EXPECT_EQ(prompt.shown[0].text, "No transition effect is selected in the list!");
  EXPECT_EQ(prompt.shown[0].buttons, PromptButtons::kOk);
  EXPECT_EQ(transition_dialogs.opened, 0);

  select_entry(kWipeEntry);
  const TransitionValues before = project->effect_set.template_at(kWipeEntry)->values();
  page.run_command(EffectPage::kCustomTransition);
  EXPECT_EQ(transition_dialogs.opened, 1);
  EXPECT_EQ(project->effect_set.template_at(kWipeEntry)->values(), transition_dialogs.wipe);

  page.run_command(EffectPage::kTransitionToAll);
  for (int photo = 0; photo < 3; ++photo) {
    EXPECT_EQ(effect(photo).transition().type(), TransitionType::kWipe);
    EXPECT_EQ(effect(photo).transition().values(), transition_dialogs.wipe);
  }
  page.preview_entry(kWipeEntry);
  EXPECT_EQ(page.preview_record().transition, project->effect_set.template_at(kWipeEntry));
  page.preview()->stop();

  // The new settings are a step of the history, under the one that applied them.
  window->history().undo();
  EXPECT_EQ(window->history().undo_name(), "Transition Settings");
  window->history().undo();
  EXPECT_EQ(project->effect_set.template_at(kWipeEntry)->values(), before);
  EXPECT_NE(before, transition_dialogs.wipe);
}

TEST_F(EffectPageTest, ListPreviewsWithTheCombosAndDragsTheEntryIndex) {
  const EffectList& list = *page.effect_list();
  ASSERT_EQ(list.count(), 19);
  EXPECT_EQ(list.item(0)->text(), "Random");
  EXPECT_EQ(list.item(kWipeEntry)->text(), "Wipe");
  std::unique_ptr<QMimeData> data(list.model()->mimeData({list.model()->index(kWipeEntry, 0)}));
  EXPECT_EQ(decode_transition_drag(data->data(kTransitionEffectMimeType)), kWipeEntry);

  page.combo(EffectPage::kDurationCombo)->setCurrentIndex(0);
  page.combo(EffectPage::kTransitionDurationCombo)->setCurrentIndex(1);
  page.preview_entry(0);
  const TransitionPreviewRequest& record = page.preview_record();
  EXPECT_EQ(record.display_seconds, 1);
  EXPECT_EQ(record.transition_seconds, 1);
  EXPECT_EQ(record.image_effect, static_cast<int>(ImageEffect::kNone));
  EXPECT_EQ(record.from_path, home.path() / "menu_pic" / "0.jpg");
  ASSERT_NE(record.transition, nullptr);
  EXPECT_NE(record.transition->type(), TransitionType::kRandom);
  page.preview()->stop();

  // After the settings the preview stops and takes the TV system; the image line
  // keeps its selection.
  EffectPage& shown = *window->effect_page();
  window->show_page(1);
  shown.image_line()->select_photos(std::vector<int>{2});
  shown.preview_entry(kAlphaEntry);
  project->default_setting.tv_system = 1 - shown.preview_record().tv_standard;
  project->settings_changed();
  EXPECT_FALSE(shown.preview()->running());
  EXPECT_EQ(shown.preview_record().tv_standard, project->default_setting.tv_system);
  EXPECT_EQ(shown.image_line()->selected_photos(), std::vector<int>{2});
}

}  // namespace
}  // namespace pictavo::test
