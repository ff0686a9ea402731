#pragma once

#include <QPointer>
#include <optional>
#include <vector>

#include "audio/music_player.h"
#include "effects/image_effect.h"
#include "ui/app/qt_timer_service.h"
#include "ui/common/control_map.h"
#include "ui/pages/project_tree_page.h"
#include "video/preview_player.h"

class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace pictavo {

class EffectList;
class ImageLine;
class FullScreenPreview;
class PreviewWidget;
class TransitionSettingDialogs;

// The page Effect: the motions, transitions and durations of the current
// slideshow's photos, edited in the image line or applied to all or the selected
// photos from the combos and the effect list, whose transitions play in the
// preview between the two sample pictures; and the captions: typed for the
// selected photos, automatic for the slideshow.
class EffectPage : public ProjectTreePage {
  Q_OBJECT

 public:
  // Controls and menu commands, numbered as the program has always numbered them.
  enum Control : int {
    kCustomTransition = 1001,
    kApplyEffect = 1107,
    kApplyDuration = 1108,
    kEffectCombo = 1181,
    kDurationCombo = 1182,
    kTransitionDurationCombo = 1183,
    kAutoCaptionCombo = 1184,
    kCaptionPlacementCombo = 1185,
    kEffectList = 1308,
    kApplyTransitionDuration = 1309,
    kApplyTransition = 1310,
    kPlayFromHere = 1401,
    kFullScreen = 1402,
  };
  enum Command : int {
    kEffectToAll = 32801,
    kEffectToSelected = 32802,
    kDurationToAll = 32803,
    kTransitionToAll = 32804,
    kTransitionToSelected = 32805,
    kTransitionDurationToAll = 32806,
    kTransitionDurationToSelected = 32807,
    kDurationToSelected = 32808,
  };

  // `transition_dialogs` edits the effect set's templates and must outlive the page.
  EffectPage(Project& project, EditHistory& history, UserDialogs& dialogs,
             TransitionSettingDialogs& transition_dialogs, QWidget* main_window, QWidget* parent);
  ~EffectPage() override;

  void project_replaced() override;
  // The preview stops and takes the TV system (every preview takes the screen's shape as it
  // starts); the image line keeps its selection and place.
  void settings_changed();
  void follow(const ProjectChange& change) override;
  // The Organize page's list made thumbnails that the image line shows.
  void thumbnails_ready();

  // Carries out an "Apply to ..." button, a command of its menu or the "Transition
  // Effect Custom" button, as clicking or choosing it does.
  void run_command(int id);

  ImageLine* image_line() const { return image_line_; }
  PreviewWidget* preview() const { return preview_; }
  EffectList* effect_list() const { return effects_; }
  QComboBox* combo(Control id) const;
  // The caption typed for the selected photos; editing it ends with Enter or by
  // leaving the field.
  QLineEdit* caption_field() const { return caption_field_; }
  QPushButton* button(Control id) const;
  // The menu an "Apply to ..." button drops down.
  QMenu* apply_menu(Control id) const;
  // What the transition preview plays next, apart from the transition.
  const TransitionPreviewRequest& preview_record() const { return record_; }

  // Plays the transition that brings photo `photo` of the image line's slideshow
  // in, from the photo before it.
  void preview_photo(int photo);
  // Opens the picture editor on photo `photo` of the current slideshow.
  void edit_photo(int photo);
  // Plays entry `entry` of the effect list between the sample pictures with the
  // combos' durations and motion; the random entry plays one of the others.
  void preview_entry(int entry);
  // Plays the current slideshow from the image line's first selected photo (or
  // its first photo) to the end, with the music from where that photo comes in:
  // in the page's preview, or over the whole screen.
  void play_from_here();
  void play_full_screen();
  // The full-screen preview while it is shown.
  FullScreenPreview* full_screen() const;

 protected:
  void show_current_slideshow() override;
  void release_slideshows() override;

 private:
  void build_controls();
  // An "Apply to ..." button that opens the menu of `id`.
  QPushButton* apply_button(Control id);
  void build_menus();
  QHBoxLayout* build_caption_row();
  // The caption field and the automatic caption follow the slideshow and selection.
  void show_captions();
  void apply_caption();
  void apply_slideshow_captions();
  void open_apply_menu(Control id);
  void customise_transition();
  ImageEffectCategory chosen_category() const;
  void take_preview_settings();
  // Null without photos to play.
  std::optional<SlideshowPreviewRequest> from_here_request() const;

  TransitionSettingDialogs& transition_dialogs_;
  QtTimerService timers_;
  MusicPlayer music_player_{timers_};
  QPointer<FullScreenPreview> full_screen_;
  TransitionPreviewRequest record_;
  PreviewWidget* preview_ = nullptr;
  QLabel* preview_hint_ = nullptr;
  EffectList* effects_ = nullptr;
  ImageLine* image_line_ = nullptr;
  QLineEdit* caption_field_ = nullptr;
  std::vector<int> caption_targets_;  // the photos selected when typing began
  ControlMap<QComboBox> combos_;
  ControlMap<QPushButton> buttons_;
  ControlMap<QMenu> menus_;
};

}  // namespace pictavo
