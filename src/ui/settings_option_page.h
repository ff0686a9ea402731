#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;

namespace pictavo {

// The Settings dialog's "Option" page: music looping, the random effects of new
// photos, and the photo and transition durations in whole seconds.
class SettingsOptionPage : public QWidget {
  Q_OBJECT

 public:
  explicit SettingsOptionPage(QWidget* parent = nullptr);

  void show_switches(bool loop_audio, bool random_transition, bool random_image_effect);
  // Selects the durations; one outside its list selects nothing.
  void show_durations(int photo_seconds, int transition_seconds);

  bool loop_audio() const;
  bool random_transition() const;
  bool random_image_effect() const;
  // The selected durations, `unchanged` while nothing is selected.
  int photo_seconds(int unchanged) const;
  int transition_seconds(int unchanged) const;

  QCheckBox* loop_audio_box() const { return loop_audio_; }
  QCheckBox* random_transition_box() const { return random_transition_; }
  QCheckBox* random_image_effect_box() const { return random_image_effect_; }
  QComboBox* photo_duration_box() const { return photo_duration_; }
  QComboBox* transition_duration_box() const { return transition_duration_; }

 private:
  QCheckBox* loop_audio_ = nullptr;
  QCheckBox* random_transition_ = nullptr;
  QCheckBox* random_image_effect_ = nullptr;
  QComboBox* photo_duration_ = nullptr;
  QComboBox* transition_duration_ = nullptr;
};

}  // namespace pictavo
