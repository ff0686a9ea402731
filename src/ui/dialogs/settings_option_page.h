#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;

namespace pictavo {

// The Settings dialog's "Options" page: music looping, the random effects of new
// photos, the photo and transition durations in whole seconds, and the blurred
// photo background and the music's fade-out.
class SettingsOptionPage : public QWidget {
  Q_OBJECT

 public:
  explicit SettingsOptionPage(QWidget* parent = nullptr);

  void show_switches(bool loop_audio, bool random_transition, bool random_image_effect);
  void show_video_switches(bool blurred_background, bool music_fade_out);
  // Selects the durations; one outside its list selects nothing.
  void show_durations(int photo_seconds, int transition_seconds);

  bool loop_audio() const;
  bool random_transition() const;
  bool random_image_effect() const;
  bool blurred_background() const;
  bool music_fade_out() const;
  // The selected durations, `unchanged` while nothing is selected.
  int photo_seconds(int unchanged) const;
  int transition_seconds(int unchanged) const;

  QCheckBox* loop_audio_box() const { return loop_audio_; }
  QCheckBox* random_transition_box() const { return random_transition_; }
  QCheckBox* random_image_effect_box() const { return random_image_effect_; }
  QCheckBox* blurred_background_box() const { return blurred_background_; }
  QCheckBox* music_fade_out_box() const { return music_fade_out_; }
  QComboBox* photo_duration_box() const { return photo_duration_; }
  QComboBox* transition_duration_box() const { return transition_duration_; }

 private:
  QCheckBox* loop_audio_ = nullptr;
  QCheckBox* random_transition_ = nullptr;
  QCheckBox* random_image_effect_ = nullptr;
  QCheckBox* blurred_background_ = nullptr;
  QCheckBox* music_fade_out_ = nullptr;
  QComboBox* photo_duration_ = nullptr;
  QComboBox* transition_duration_ = nullptr;
};

}  // namespace pictavo
