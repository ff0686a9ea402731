#include "ui/dialogs/settings_option_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "model/photo_durations.h"

namespace pictavo {
namespace {

// A list of "1" to `last` seconds; entry i is i + 1 seconds.
QComboBox* seconds_box(int last, QWidget* parent) {
  auto* box = new QComboBox(parent);
  for (int seconds = 1; seconds <= last; ++seconds)
    box->addItem(QString::number(seconds));
  return box;
}

int selected_seconds(const QComboBox* box, int unchanged) {
  return box->currentIndex() < 0 ? unchanged : box->currentIndex() + 1;
}

void select_seconds(QComboBox* box, int seconds) {
  box->setCurrentIndex(seconds >= 1 && seconds <= box->count() ? seconds - 1 : -1);
}

}  // namespace

SettingsOptionPage::SettingsOptionPage(QWidget* parent) : QWidget(parent) {
  loop_audio_ = new QCheckBox(tr("Loop audio"), this);
  random_transition_ = new QCheckBox(tr("Random Transition Effect"), this);
  random_image_effect_ = new QCheckBox(tr("Random Image Effect"), this);
  blurred_background_ = new QCheckBox(tr("Blurred Photo Background"), this);
  blurred_background_->setToolTip(
      tr("Fills the bars beside portrait photos with a blurred copy of the photo"));
  music_fade_out_ = new QCheckBox(tr("Fade Out Music at the End"), this);
  music_fade_out_->setToolTip(tr("Fades the music out over the last 3 seconds of each video"));
  photo_duration_ = seconds_box(kMaxDisplaySeconds, this);
  transition_duration_ = seconds_box(kMaxTransitionSeconds, this);

  auto* durations = new QGridLayout;
  auto* photo_label = new QLabel(tr("Photo Duration:"), this);
  photo_label->setBuddy(photo_duration_);
  durations->addWidget(photo_label, 0, 0);
  durations->addWidget(photo_duration_, 0, 1);
  durations->addWidget(new QLabel(tr("Seconds"), this), 0, 2);
  auto* transition_label = new QLabel(tr("Transition Duration:"), this);
  transition_label->setBuddy(transition_duration_);
  durations->addWidget(transition_label, 1, 0);
  durations->addWidget(transition_duration_, 1, 1);
  durations->addWidget(new QLabel(tr("Seconds"), this), 1, 2);
  durations->setColumnStretch(3, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(loop_audio_);
  layout->addWidget(random_transition_);
  layout->addWidget(random_image_effect_);
  layout->addWidget(blurred_background_);
  layout->addWidget(music_fade_out_);
  layout->addLayout(durations);
  layout->addStretch();
}

void SettingsOptionPage::show_switches(bool loop_audio, bool random_transition,
                                       bool random_image_effect) {
  loop_audio_->setChecked(loop_audio);
  random_transition_->setChecked(random_transition);
  random_image_effect_->setChecked(random_image_effect);
}

void SettingsOptionPage::show_video_switches(bool blurred_background, bool music_fade_out) {
  blurred_background_->setChecked(blurred_background);
  music_fade_out_->setChecked(music_fade_out);
}

void SettingsOptionPage::show_durations(int photo_seconds, int transition_seconds) {
  select_seconds(photo_duration_, photo_seconds);
  select_seconds(transition_duration_, transition_seconds);
}

bool SettingsOptionPage::loop_audio() const {
  return loop_audio_->isChecked();
}

bool SettingsOptionPage::random_transition() const {
  return random_transition_->isChecked();
}

bool SettingsOptionPage::random_image_effect() const {
  return random_image_effect_->isChecked();
}

bool SettingsOptionPage::blurred_background() const {
  return blurred_background_->isChecked();
}

bool SettingsOptionPage::music_fade_out() const {
  return music_fade_out_->isChecked();
}

int SettingsOptionPage::photo_seconds(int unchanged) const {
  return selected_seconds(photo_duration_, unchanged);
}

int SettingsOptionPage::transition_seconds(int unchanged) const {
  return selected_seconds(transition_duration_, unchanged);
}

}  // namespace pictavo
