#include "ui/pages/music_page.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <iterator>

#include "base/clock_seconds.h"
#include "edit/edit_history.h"
#include "edit/photo_commands.h"
#include "edit/track_commands.h"
#include "model/music_fit.h"
#include "model/project.h"
#include "model/screen_aspect.h"
#include "ui/app/user_dialogs.h"
#include "ui/common/button_text_width.h"
#include "ui/common/path_text.h"
#include "ui/common/wait_cursor.h"
#include "ui/widgets/music_list.h"
#include "ui/widgets/preview_widget.h"
#include "ui/widgets/project_tree.h"
#include "video/preview_player.h"

namespace pictavo {
namespace {

struct ButtonEntry {
  MusicPage::Button id;
  const char* text;
  const char* tooltip;
};

// The row of track buttons, then the preview's two at its side.
constexpr std::array<ButtonEntry, 9> kButtons{{
    {MusicPage::kAdd, QT_TRANSLATE_NOOP("pictavo::MusicPage", "Add"),
     QT_TRANSLATE_NOOP("pictavo::MusicPage", "Add music files")},
    {MusicPage::kDelete, QT_TRANSLATE_NOOP("pictavo::MusicPage", "Delete"), nullptr},
    {MusicPage::kUp, QT_TRANSLATE_NOOP("pictavo::MusicPage", "Up"), nullptr},
    {MusicPage::kDown, QT_TRANSLATE_NOOP("pictavo::MusicPage", "Down"), nullptr},
    {MusicPage::kPlayMusic, QT_TRANSLATE_NOOP("pictavo::MusicPage", "Play Music"), nullptr},
    {MusicPage::kStopMusic, QT_TRANSLATE_NOOP("pictavo::MusicPage", "Stop Music"), nullptr},
    {MusicPage::kFitToMusic, QT_TRANSLATE_NOOP("pictavo::MusicPage", "Fit to Music"),
     QT_TRANSLATE_NOOP("pictavo::MusicPage", "Fit the photos' display times to the music")},
    {MusicPage::kPreviewSlideshow, QT_TRANSLATE_NOOP("pictavo::MusicPage", "Preview Slideshow"),
     QT_TRANSLATE_NOOP("pictavo::MusicPage", "Play slideshow preview")},
    {MusicPage::kStopPreview, QT_TRANSLATE_NOOP("pictavo::MusicPage", "Stop Preview"),
     QT_TRANSLATE_NOOP("pictavo::MusicPage", "Stop slideshow preview")},
}};

constexpr QSize kPreviewPlace{230, 182};  // the frame's room at its tallest

constexpr std::array<MusicPage::Button, 7> kTrackButtons{
    MusicPage::kAdd,       MusicPage::kDelete,    MusicPage::kUp,        MusicPage::kDown,
    MusicPage::kPlayMusic, MusicPage::kStopMusic, MusicPage::kFitToMusic};

PromptMessage information(const QString& text) {
  return {text.toStdString(), {}, PromptButtons::kOk, PromptIcon::kInformation};
}

PromptMessage fit_message(const Slideshow& slideshow, const MusicFit& fit) {
  switch (fit.outcome) {
    case MusicFitOutcome::kFitted: {
      const auto [shortest, longest] = std::minmax_element(
          slideshow.photos.begin(), slideshow.photos.end(), [](const auto& a, const auto& b) {
            return a->setting.effect.display_seconds < b->setting.effect.display_seconds;
          });
      const int low = (*shortest)->setting.effect.display_seconds;
      const int high = (*longest)->setting.effect.display_seconds;
      const QString times = low != high ? MusicPage::tr("%1 to %2 seconds").arg(low).arg(high)
                            : high == 1 ? MusicPage::tr("1 second")
                                        : MusicPage::tr("%1 seconds").arg(high);
      return information(
          MusicPage::tr("Every photo now shows for %1: the slideshow lasts %2, as long as the "
                        "music.")
              .arg(times, QString::fromStdString(ClockSeconds(fit.video_seconds).text())));
    }
    case MusicFitOutcome::kNoMusic:
      return {MusicPage::tr("There are no photos or no music to fit!").toStdString(),
              {},
              PromptButtons::kOk,
              PromptIcon::kWarning};
    case MusicFitOutcome::kMusicTooShort:
      return information(
          MusicPage::tr("The music is too short: every photo now shows for the shortest time, "
                        "and the slideshow still lasts longer than the music."));
    case MusicFitOutcome::kMusicTooLong:
      return information(
          MusicPage::tr("The music is too long: every photo now shows for the longest time, and "
                        "the music is cut at the end."));
  }
  return {};
}

}  // namespace

MusicPage::MusicPage(Project& project, EditHistory& history, UserDialogs& dialogs,
                     QWidget* main_window, QWidget* parent)
    : ProjectTreePage(project, history, dialogs, main_window, parent),
      preview_(new PreviewWidget(&music_player_)),
      preview_frame_(framed_preview(preview_, kPreviewPlace, this)),
      list_(new MusicList(this)),
      preview_timer_(new QTimer(this)),
      music_timer_(new QTimer(this)) {
  music_player_.set_observer(this);
  place_preview();
  build_buttons();
  preview_timer_->setInterval(100);
  connect(preview_timer_, &QTimer::timeout, this, &MusicPage::watch_preview);
  music_timer_->setInterval(500);
  connect(music_timer_, &QTimer::timeout, this, &MusicPage::watch_music);
}

MusicPage::~MusicPage() {
  // The preview and the player use the music player, which goes before them.
  stop_playback();
}

void MusicPage::build_buttons() {
  // The track buttons stand in a row above the list, each at least as wide as the
  // others and as wide as its text needs; the preview's two stand at its right.
  auto* track_row = new QHBoxLayout;
  track_row->setSpacing(3);
  auto* preview_column = new QVBoxLayout;
  preview_column->setSpacing(6);
  for (const ButtonEntry& entry : kButtons) {
    const bool in_row =
        std::find(kTrackButtons.begin(), kTrackButtons.end(), entry.id) != kTrackButtons.end();
    auto* button = buttons_.add(entry.id, new QPushButton(tr(entry.text), this));
    if (in_row) {
      // Fusion's 80 pixels may give way where a row of longer texts needs the room.
      button->setMinimumWidth(button_text_width(*button));
      track_row->addWidget(button);
    } else {
      preview_column->addWidget(button, 0, Qt::AlignLeft);
    }
    if (entry.tooltip != nullptr) button->setToolTip(tr(entry.tooltip));
    connect(button, &QPushButton::clicked, this, [this, id = entry.id] { run_command(id); });
  }
  track_row->addStretch();
  preview_column->addStretch();

  // The preview stands in the middle above the list, its buttons at its side.
  auto* preview_row = new QGridLayout;
  preview_row->setColumnStretch(0, 1);
  preview_row->setColumnStretch(2, 1);
  preview_row->setColumnMinimumWidth(1, kPreviewPlace.width());
  preview_row->setRowMinimumHeight(0, kPreviewPlace.height());
  preview_row->addWidget(preview_frame_, 0, 1, Qt::AlignCenter);
  preview_column->setContentsMargins(31, 6, 0, 0);
  preview_row->addLayout(preview_column, 0, 2);

  auto* content = new QVBoxLayout;
  content->setContentsMargins(7, 5, 12, 0);
  content->setSpacing(0);
  content->addLayout(preview_row);
  content->addSpacing(31);
  content->addLayout(track_row);
  content->addSpacing(18);
  content->addWidget(list_, 1);
  grid()->addLayout(content, 0, 1, 2, 1);
  grid()->setRowMinimumHeight(0, 49);
}

QPushButton* MusicPage::button(Button id) const {
  return buttons_.at(id);
}

void MusicPage::place_preview() {
  const int aspect = screen_aspect(project_);
  preview_frame_->setFixedSize(kPreviewPlace.width(),
                               aspect == kAspectSixteenNine ? 140 : kPreviewPlace.height());
  const PreviewSize size = preview_size(aspect);
  preview_->setFixedSize(size.width, size.height);
}

void MusicPage::project_replaced() {
  release_slideshows();
  place_preview();
  ProjectTreePage::project_replaced();
}

void MusicPage::settings_changed() {
  // A preview under way keeps drawing at the size it started with.
  const PreviewSize size = preview_size(screen_aspect(project_));
  if (preview_->running() && preview_->size() != QSize(size.width, size.height))
    run_command(kStopPreview);
  place_preview();
}

void MusicPage::follow(const ProjectChange& change) {
  ProjectTreePage::follow(change);
  const Slideshow* shown = project_.music_slideshow();
  if (!isHidden() && change.kind == ProjectChange::Kind::kTracksChanged && shown != nullptr &&
      change.slideshow == shown->id())
    show_tracks();
}

void MusicPage::show_current_slideshow() {
  // The preview plays the slideshow chosen when it started; another one is now.
  if (preview_->running()) run_command(kStopPreview);
  show_tracks();
}

void MusicPage::release_slideshows() {
  stop_playback();
  enable_track_buttons(true);
  enable_preview_buttons(true);
}

void MusicPage::show_tracks(int selected_row) {
  list_->show_tracks(project_.music_slideshow());
  list_->select_row(selected_row);
}

void MusicPage::run_command(Button id) {
  switch (id) {
    case kAdd:
      add_music();
      break;
    case kDelete:
      delete_track();
      break;
    case kUp:
      move_track(true);
      break;
    case kDown:
      move_track(false);
      break;
    case kPlayMusic:
      play_music();
      break;
    case kStopMusic:
      stop_playback();
      enable_preview_buttons(true);
      break;
    case kFitToMusic:
      fit_to_music();
      break;
    case kPreviewSlideshow:
      preview_slideshow();
      break;
    case kStopPreview:
      stop_playback();
      enable_track_buttons(true);
      break;
  }
}

void MusicPage::add_music() {
  stop_playback();
  Slideshow* slideshow = project_.music_slideshow();
  if (slideshow != nullptr) {
    const std::vector<std::filesystem::path> files = dialogs_.add_music();
    // Each file is measured as it is added; a file with no length is shown and left out.
    const WaitCursor wait;
    std::vector<std::filesystem::path> music_files;
    std::copy_if(files.begin(), files.end(), std::back_inserter(music_files), is_music_file);
    history_.run(add_tracks_edit(slideshow->id(), std::move(music_files)));
  }
  enable_preview_buttons(true);
}

void MusicPage::delete_track() {
  stop_playback();
  if (Slideshow* slideshow = project_.music_slideshow()) {
    history_.run(remove_track_edit(slideshow->id(), list_->selected_row()));
  }
  enable_preview_buttons(true);
}

void MusicPage::move_track(bool up) {
  stop_playback();
  Slideshow* slideshow = project_.music_slideshow();
  const int row = list_->selected_row();
  const int count = slideshow != nullptr ? static_cast<int>(slideshow->tracks.size()) : 0;
  if ((up && row >= 1) || (!up && row >= 0 && row + 1 < count)) {
    if (history_.run(move_track_edit(slideshow->id(), row, up)))
      list_->select_row(up ? row - 1 : row + 1);
  }
  enable_preview_buttons(true);
}

void MusicPage::play_music() {
  stop_playback();
  const Slideshow* slideshow = project_.music_slideshow();
  const int row = list_->selected_row();
  if (slideshow == nullptr || row < 0 || row >= static_cast<int>(slideshow->tracks.size())) return;
  music_player_.set_loop_audio(project_.preferences.loop_audio);
  music_player_.play_files({slideshow->tracks[static_cast<std::size_t>(row)]->source_path()});
  if (!music_player_.is_playing()) return;
  enable_preview_buttons(false);
  music_timer_->start();
}

void MusicPage::preview_slideshow() {
  SlideshowPreviewRequest request;
  request.tv_standard = project_.default_setting.tv_system;
  request.slideshow = project_.current();
  request.music = project_.music_slideshow();
  request.aspect = screen_aspect(project_);
  music_player_.set_loop_audio(project_.preferences.loop_audio);
  // The output profile, and with it the screen's shape, may have changed since.
  place_preview();
  if (!preview_->preview_slideshow(request)) return;
  preview_timer_->start();
  enable_track_buttons(false);
}

void MusicPage::fit_to_music() {
  Slideshow* slideshow = project_.current();
  const Slideshow* first = project_.music_slideshow();
  if (slideshow == nullptr || first == nullptr) return;
  MusicFit fit;
  history_.run(fit_to_music_edit(slideshow->id(), &fit));
  project_.front_end.show(fit_message(*slideshow, fit));
}

void MusicPage::playback_failed(std::size_t, const std::filesystem::path& file,
                                const std::string& reason) {
  project_.front_end.show({tr("The music cannot be played (%1): %2.")
                               .arg(path_text(file.filename()), QString::fromStdString(reason))
                               .toStdString(),
                           {},
                           PromptButtons::kOk,
                           PromptIcon::kWarning});
}

void MusicPage::stop_playback() {
  music_player_.stop_playback();
  preview_->stop();
}

bool MusicPage::nothing_playing() const {
  // The music of a preview stops once its end has reached this thread.
  return !preview_->running() && !music_player_.is_playing();
}

void MusicPage::enable_track_buttons(bool enabled) {
  for (const Button id : kTrackButtons)
    button(id)->setEnabled(enabled);
}

void MusicPage::enable_preview_buttons(bool enabled) {
  button(kPreviewSlideshow)->setEnabled(enabled);
  button(kStopPreview)->setEnabled(enabled);
}

void MusicPage::watch_preview() {
  if (!nothing_playing()) return;
  enable_track_buttons(true);
  preview_timer_->stop();
}

void MusicPage::watch_music() {
  if (!nothing_playing()) return;
  enable_preview_buttons(true);
  music_timer_->stop();
}

}  // namespace pictavo
