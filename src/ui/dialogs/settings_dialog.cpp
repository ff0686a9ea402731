#include "ui/dialogs/settings_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "edit/edit_history.h"
#include "edit/photo_commands.h"
#include "model/preferences_file.h"
#include "model/project.h"
#include "model/project_messages.h"
#include "model/project_start.h"
#include "ui/dialogs/settings_normal_page.h"
#include "ui/dialogs/settings_option_page.h"

namespace pictavo {

SettingsDialog::SettingsDialog(Project& project, EditHistory& history, UserDialogs& dialogs,
                               QWidget* main_window)
    : QDialog(main_window), project_(project), history_(history) {
  setWindowTitle(tr("Settings"));
  tabs_ = new QTabWidget(this);
  normal_page_ = new SettingsNormalPage(dialogs, tabs_);
  option_page_ = new SettingsOptionPage(tabs_);
  tabs_->addTab(normal_page_, tr("Normal"));
  tabs_->addTab(option_page_, tr("Options"));

  save_button_ = new QPushButton(tr("Save"), this);
  save_button_->setDefault(true);
  cancel_button_ = new QPushButton(tr("Cancel"), this);
  connect(save_button_, &QPushButton::clicked, this, &SettingsDialog::save);
  connect(cancel_button_, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save_button_);
  buttons->addWidget(cancel_button_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addLayout(buttons);
  resize(420, 260);
  show_values();
}

void SettingsDialog::show_values() {
  const Preferences& preferences = project_.preferences;
  const EffectRecord& effect = project_.default_setting.effect;
  normal_page_->show_values(preferences.working_folder, preferences.aspect_ratio);
  option_page_->show_switches(preferences.loop_audio, preferences.random_transition,
                              preferences.random_image_effect);
  option_page_->show_video_switches(preferences.blurred_background,
                                    preferences.music_fade_out_seconds > 0);
  option_page_->show_durations(effect.display_seconds, effect.transition_seconds);
  tabs_->setCurrentWidget(normal_page_);
}

void SettingsDialog::save_durations() {
  EffectRecord& effect = project_.default_setting.effect;
  const int old_photo_seconds = effect.display_seconds;
  const int old_transition_seconds = effect.transition_seconds;
  const int photo_seconds = option_page_->photo_seconds(old_photo_seconds);
  const int transition_seconds = option_page_->transition_seconds(old_transition_seconds);
  if (photo_seconds == old_photo_seconds && transition_seconds == old_transition_seconds) return;
  effect.display_seconds = photo_seconds;
  effect.transition_seconds = transition_seconds;
  if (project_.photo_count() == 0 || project_.front_end.show(apply_times_question(
                                         photo_seconds, transition_seconds)) != PromptAnswer::kYes)
    return;
  // Longer photos may make the videos too large to keep: then the durations
  // stay as they were.
  bool within_limit = false;
  history_.run(default_times_edit(&within_limit));
  if (!within_limit) {
    effect.display_seconds = old_photo_seconds;
    effect.transition_seconds = old_transition_seconds;
    option_page_->show_durations(old_photo_seconds, old_transition_seconds);
  }
}

void SettingsDialog::save() {
  choose_working_folder(project_, normal_page_->working_folder());

  Preferences& preferences = project_.preferences;
  const int aspect_ratio = normal_page_->aspect_ratio(preferences.aspect_ratio);
  // Videos made for the other screen shape no longer fit: they must be made anew.
  if (aspect_ratio != preferences.aspect_ratio) project_.list_changed = true;
  preferences.aspect_ratio = aspect_ratio;

  preferences.loop_audio = option_page_->loop_audio();
  preferences.random_image_effect = option_page_->random_image_effect();
  preferences.random_transition = option_page_->random_transition();
  preferences.blurred_background = option_page_->blurred_background();
  preferences.music_fade_out_seconds = option_page_->music_fade_out() ? kMusicFadeOutSeconds : 0;
  // The defaults are for photos added from now on.
  project_.default_setting.effect.apply_random_preferences(preferences.random_image_effect,
                                                           preferences.random_transition);
  save_durations();

  save_preferences(project_);
  project_.settings_changed();
  accept();
}

}  // namespace pictavo
