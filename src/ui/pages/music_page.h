#pragma once

#include "audio/music_player.h"
#include "ui/app/qt_timer_service.h"
#include "ui/common/control_map.h"
#include "ui/pages/project_tree_page.h"

class QFrame;
class QPushButton;
class QTimer;

namespace pictavo {

class MusicList;
class PreviewWidget;
class Slideshow;

// The page Music: the project's music, which is the first slideshow's tracks, in
// a list with the buttons that add, delete, move and play them, and the preview
// that plays the tree's slideshow with that music. While a track plays the
// preview buttons rest; while the preview plays the buttons of the tracks do, and
// two timers give them back once nothing plays any more.
class MusicPage : public ProjectTreePage, private MusicPlayerObserver {
  Q_OBJECT

 public:
  // Buttons, numbered as the program has always numbered them; Fit to music is
  // the program's newest and takes the next free number.
  enum Button : int {
    kAdd = 1001,
    kDelete = 1107,
    kUp = 1109,
    kDown = 1321,
    kPlayMusic = 1112,
    kStopMusic = 1322,
    kPreviewSlideshow = 1325,
    kStopPreview = 1326,
    kFitToMusic = 1327,
  };
  // The timers that watch the preview and the music.
  enum Timer : int { kPreviewTimer = 4097, kMusicTimer = 4098 };

  MusicPage(Project& project, EditHistory& history, UserDialogs& dialogs, QWidget* main_window,
            QWidget* parent);
  ~MusicPage() override;

  void project_replaced() override;
  // The preview takes the screen ratio's shape; music playing plays on.
  void settings_changed();
  void follow(const ProjectChange& change) override;
  // Carries out a button, as clicking it does.
  void run_command(Button id);

  QPushButton* button(Button id) const;
  MusicList* music_list() const { return list_; }
  PreviewWidget* preview() const { return preview_; }
  const MusicPlayer& music_player() const { return music_player_; }

 protected:
  void show_current_slideshow() override;
  void release_slideshows() override;

 private:
  void build_buttons();
  void place_preview();
  void show_tracks(int selected_row = -1);

  void add_music();
  void delete_track();
  void move_track(bool up);
  void play_music();
  void preview_slideshow();
  void fit_to_music();

  void stop_playback();
  bool nothing_playing() const;
  // The buttons of the tracks, Fit to music among them, and the two of the preview.
  void enable_track_buttons(bool enabled);
  void enable_preview_buttons(bool enabled);
  // The timers' ticks: once nothing plays, the resting buttons come back.
  void watch_preview();
  void watch_music();
  // A track that cannot be played, or no sound output, is the user's to know.
  void playback_failed(std::size_t index, const std::filesystem::path& file,
                       const std::string& reason) override;

  QtTimerService timers_;
  MusicPlayer music_player_{timers_};
  PreviewWidget* preview_;
  QFrame* preview_frame_;
  MusicList* list_;
  QTimer* preview_timer_;
  QTimer* music_timer_;
  ControlMap<QPushButton> buttons_;
};

}  // namespace pictavo
