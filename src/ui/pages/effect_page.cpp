#include "ui/pages/effect_page.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <tuple>
#include <utility>

#include "edit/caption_commands.h"
#include "edit/edit_history.h"
#include "edit/transition_settings_commands.h"
#include "effects/random_generator.h"
#include "effects/transition_setting_dialogs.h"
#include "model/project.h"
#include "model/screen_aspect.h"
#include "ui/common/engine_text.h"
#include "ui/editor/picture_editor_dialog.h"
#include "ui/widgets/effect_list.h"
#include "ui/widgets/full_screen_preview.h"
#include "ui/widgets/image_line.h"
#include "ui/widgets/preview_widget.h"
#include "ui/widgets/project_tree.h"

namespace pictavo {
namespace {

struct ApplyButton {
  EffectPage::Control id;
  const char* menu_title;
  EffectPage::Command to_all;
  const char* to_all_text;
  EffectPage::Command to_selected;
};

constexpr std::array<ApplyButton, 4> kApplyButtons{{
    {EffectPage::kApplyEffect, QT_TRANSLATE_NOOP("pictavo::EffectPage", "Single effect apply"),
     EffectPage::kEffectToAll, QT_TRANSLATE_NOOP("pictavo::EffectPage", "Apply to all images"),
     EffectPage::kEffectToSelected},
    {EffectPage::kApplyDuration,
     QT_TRANSLATE_NOOP("pictavo::EffectPage", "Single Effect time apply"),
     EffectPage::kDurationToAll, QT_TRANSLATE_NOOP("pictavo::EffectPage", "Apply to all images"),
     EffectPage::kDurationToSelected},
    {EffectPage::kApplyTransition,
     QT_TRANSLATE_NOOP("pictavo::EffectPage", "Transition effect apply"),
     EffectPage::kTransitionToAll, QT_TRANSLATE_NOOP("pictavo::EffectPage", "Apply to all images"),
     EffectPage::kTransitionToSelected},
    {EffectPage::kApplyTransitionDuration,
     QT_TRANSLATE_NOOP("pictavo::EffectPage", "Transition effect time apply"),
     EffectPage::kTransitionDurationToAll,
     QT_TRANSLATE_NOOP("pictavo::EffectPage", "Apply to all images"),
     EffectPage::kTransitionDurationToSelected},
}};

// A row of controls, each as wide as its text needs, at the right of its place.
QHBoxLayout* control_row() {
  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  row->addStretch();
  return row;
}

// A label that names `field` for the keyboard and screen readers.
QLabel* label(const QString& text, QWidget* field) {
  auto* label = new QLabel(text);
  label->setBuddy(field);
  return label;
}

QComboBox* numbered_combo(int first, int last, int chosen, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  for (int value = first; value <= last; ++value)
    combo->addItem(QString::number(value));
  combo->setCurrentIndex(std::clamp(chosen, first, last) - first);
  return combo;
}

}  // namespace

EffectPage::EffectPage(Project& project, EditHistory& history, UserDialogs& dialogs,
                       TransitionSettingDialogs& transition_dialogs, QWidget* main_window,
                       QWidget* parent)
    : ProjectTreePage(project, history, dialogs, main_window, parent),
      transition_dialogs_(transition_dialogs) {
  record_.from_path = project_.preferences.program_folder / "menu_pic" / "0.jpg";
  record_.to_path = project_.preferences.program_folder / "menu_pic" / "1.jpg";
  take_preview_settings();
  build_controls();
  build_menus();
  // F11 plays the slideshow over the whole screen from anywhere on the page.
  auto* full_screen = new QShortcut(QKeySequence(Qt::Key_F11), this, nullptr, nullptr,
                                    Qt::WidgetWithChildrenShortcut);
  connect(full_screen, &QShortcut::activated, this, &EffectPage::play_full_screen);
}

EffectPage::~EffectPage() {
  // The image line and the caption field outlive this part of the page: what they
  // tell while their parent takes them down (a selection, the focus leaving the
  // field) must not reach it.
  for (const QObject* sender : std::initializer_list<const QObject*>{image_line_, caption_field_})
    disconnect(sender, nullptr, this, nullptr);
  // The previews use the music player, which goes before them.
  delete full_screen_;
  preview_->stop();
  music_player_.stop_playback();
}

void EffectPage::build_controls() {
  const EffectRecord& defaults = project_.default_setting.effect;
  auto* effect = new QComboBox;
  for (const std::string_view name : category_list())
    effect->addItem(engine_text(name));
  effect->setCurrentIndex(
      std::clamp(static_cast<int>(defaults.category), 0, kImageEffectCategoryCount - 1));
  QComboBox* duration = numbered_combo(1, 60, defaults.display_seconds, nullptr);
  QHBoxLayout* effect_row = control_row();
  for (QWidget* control : std::initializer_list<QWidget*>{
           label(tr("Effect:"), effect), effect, apply_button(kApplyEffect),
           label(tr("Photo Duration:"), duration), duration, apply_button(kApplyDuration)})
    effect_row->addWidget(control);

  effects_ = new EffectList(project_.effect_set, this);
  connect(effects_, &EffectList::preview_requested, this, &EffectPage::preview_entry);

  auto* custom = new QPushButton(tr("Transition Settings..."));
  connect(custom, &QPushButton::clicked, this, [this] { run_command(kCustomTransition); });
  QHBoxLayout* custom_row = control_row();
  custom_row->addWidget(custom);
  custom_row->addWidget(apply_button(kApplyTransition));

  // This row ends where the image line begins.
  QComboBox* transition_duration = numbered_combo(0, 10, defaults.transition_seconds, nullptr);
  QHBoxLayout* duration_row = control_row();
  duration_row->addWidget(label(tr("Effect Duration:"), transition_duration));
  duration_row->addWidget(transition_duration);
  duration_row->addWidget(apply_button(kApplyTransitionDuration));

  combos_.add(kEffectCombo, effect);
  combos_.add(kDurationCombo, duration);
  combos_.add(kTransitionDurationCombo, transition_duration);
  buttons_.add(kCustomTransition, custom);

  preview_ = new PreviewWidget(&music_player_);
  QFrame* frame = framed_preview(preview_, QSize(230, 179), this);
  auto* play_row = new QHBoxLayout;
  play_row->setSpacing(4);
  play_row->addStretch();
  for (const auto& [id, text, tip] :
       {std::tuple{kPlayFromHere, QT_TR_NOOP("Play from Here"),
                   QT_TR_NOOP("Play the slideshow with its music from the selected photo on")},
        std::tuple{kFullScreen, QT_TR_NOOP("Full Screen"),
                   QT_TR_NOOP("Play the slideshow over the whole screen (F11)")}}) {
    auto* button = buttons_.add(id, new QPushButton(tr(text)));
    button->setToolTip(tr(tip));
    play_row->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, id = id] { run_command(id); });
  }
  preview_hint_ = new QLabel(tr("Select an effect on the left to preview it"), preview_);
  preview_hint_->setAlignment(Qt::AlignCenter);
  preview_hint_->setWordWrap(true);
  preview_hint_->setStyleSheet(QStringLiteral("color: white"));
  preview_hint_->setGeometry(preview_->rect());
  connect(preview_, &PreviewWidget::running_changed, preview_hint_, &QWidget::hide);

  image_line_ = new ImageLine(project_, history_, this);

  // The effect list and the image line take the room a larger window gives; the
  // preview and its controls keep to the right.
  auto* right_column = new QVBoxLayout;
  right_column->addWidget(frame, 0, Qt::AlignRight);
  right_column->addLayout(play_row);
  right_column->addStretch();
  right_column->addLayout(custom_row);
  right_column->addSpacing(8);
  right_column->addLayout(duration_row);
  grid()->addLayout(effect_row, 0, 0, 1, 2, Qt::AlignBottom);
  grid()->addWidget(effects_, 1, 1);
  grid()->addLayout(right_column, 0, 2, 2, 1);
  grid()->addWidget(image_line_, 2, 1, 1, 2);
  grid()->addLayout(build_caption_row(), 3, 1, 1, 2);
  grid()->setRowMinimumHeight(0, 49);
  connect(image_line_, &ImageLine::preview_requested, this, &EffectPage::preview_photo);
  connect(image_line_, &ImageLine::edit_requested, this, &EffectPage::edit_photo);
  connect(image_line_, &ImageLine::selection_changed, this, &EffectPage::show_captions);
}

QHBoxLayout* EffectPage::build_caption_row() {
  caption_field_ = new QLineEdit;
  caption_field_->setMaxLength(static_cast<int>(PhotoItem::kMaxCaptionCharacters));
  caption_field_->setClearButtonEnabled(true);
  connect(caption_field_, &QLineEdit::textEdited, this, [this] {
    if (caption_targets_.empty()) caption_targets_ = image_line_->selected_photos();
  });
  connect(caption_field_, &QLineEdit::editingFinished, this, &EffectPage::apply_caption);

  auto* automatic = new QComboBox;
  for (const char* kind : {QT_TR_NOOP("No automatic caption"), QT_TR_NOOP("File name"),
                           QT_TR_NOOP("Date taken"), QT_TR_NOOP("File name and date taken")})
    automatic->addItem(tr(kind));
  automatic->setAccessibleName(tr("Automatic caption"));
  automatic->setToolTip(tr("The caption of the photos that have none typed for them"));
  auto* placement = new QComboBox;
  placement->addItem(tr("At the bottom"));
  placement->addItem(tr("At the top"));
  placement->setAccessibleName(tr("Place of the captions"));
  for (QComboBox* combo : {automatic, placement})
    connect(combo, &QComboBox::activated, this, &EffectPage::apply_slideshow_captions);
  combos_.add(kAutoCaptionCombo, automatic);
  combos_.add(kCaptionPlacementCombo, placement);

  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  row->addWidget(label(tr("Caption:"), caption_field_));
  row->addWidget(caption_field_, 1);
  row->addWidget(automatic);
  row->addWidget(placement);
  return row;
}

void EffectPage::show_captions() {
  const Slideshow* slideshow = image_line_->slideshow();
  for (const Control id : {kAutoCaptionCombo, kCaptionPlacementCombo})
    combo(id)->setEnabled(slideshow != nullptr);
  if (slideshow != nullptr) {
    combo(kAutoCaptionCombo)->setCurrentIndex(static_cast<int>(slideshow->captions.automatic));
    combo(kCaptionPlacementCombo)->setCurrentIndex(static_cast<int>(slideshow->captions.placement));
  }
  // What is being typed stays until Enter or leaving the field applies it.
  if (caption_field_->hasFocus() && caption_field_->isModified()) return;
  const std::vector<int> selected =
      slideshow != nullptr ? image_line_->selected_photos() : std::vector<int>{};
  // One caption shared by every selected photo is shown to be edited; several
  // are replaced by what is typed.
  QString shared;
  bool alike = true;
  for (const int photo : selected) {
    const QString caption =
        QString::fromStdString(slideshow->photos[static_cast<std::size_t>(photo)]->caption);
    alike = alike && (photo == selected.front() || caption == shared);
    shared = caption;
  }
  caption_targets_.clear();
  caption_field_->setEnabled(!selected.empty());
  caption_field_->setText(alike ? shared : QString());
  caption_field_->setModified(false);
  caption_field_->setPlaceholderText(selected.empty() ? tr("Select photos to caption them")
                                     : alike          ? tr("The automatic caption")
                                                      : tr("Several captions"));
}

void EffectPage::apply_caption() {
  const Slideshow* slideshow = image_line_->slideshow();
  if (slideshow == nullptr || !caption_field_->isModified() || caption_targets_.empty()) return;
  const std::vector<int> targets = std::exchange(caption_targets_, {});
  caption_field_->setModified(false);
  history_.run(caption_edit(slideshow->id(), targets, caption_field_->text().toStdString()));
}

void EffectPage::apply_slideshow_captions() {
  const Slideshow* slideshow = image_line_->slideshow();
  if (slideshow == nullptr) return;
  history_.run(slideshow_captions_edit(
      slideshow->id(),
      {static_cast<AutoCaption>(combo(kAutoCaptionCombo)->currentIndex()),
       static_cast<CaptionPlacement>(combo(kCaptionPlacementCombo)->currentIndex())}));
}

void EffectPage::build_menus() {
  for (const ApplyButton& place : kApplyButtons) {
    auto* menu = menus_.add(place.id, new QMenu(tr(place.menu_title), this));
    for (const auto& [id, label] :
         {std::pair{place.to_all, place.to_all_text},
          std::pair{place.to_selected, QT_TR_NOOP("Apply to selected images")}}) {
      QAction* action = menu->addAction(tr(label));
      action->setData(static_cast<int>(id));
      connect(action, &QAction::triggered, this, [this, id = id] { run_command(id); });
    }
  }
}

QPushButton* EffectPage::apply_button(Control id) {
  auto* apply = buttons_.add(id, new QPushButton(tr("Apply to ...")));
  connect(apply, &QPushButton::clicked, this, [this, id] { run_command(id); });
  return apply;
}

QComboBox* EffectPage::combo(Control id) const {
  return combos_.at(id);
}

QPushButton* EffectPage::button(Control id) const {
  return buttons_.at(id);
}

QMenu* EffectPage::apply_menu(Control id) const {
  return menus_.at(id);
}

void EffectPage::project_replaced() {
  ProjectTreePage::project_replaced();
  settings_changed();
}

void EffectPage::settings_changed() {
  preview_->stop();
  take_preview_settings();
  // The settings may have given every photo new durations.
  image_line_->update();
}

void EffectPage::follow(const ProjectChange& change) {
  ProjectTreePage::follow(change);
  if (isHidden()) return;
  image_line_->follow(change);
  if (change.kind == ProjectChange::Kind::kPhotosChanged) show_captions();
}

void EffectPage::take_preview_settings() {
  record_.tv_standard = project_.default_setting.tv_system;
}

void EffectPage::show_current_slideshow() {
  image_line_->load(project_.current());
  show_captions();
}

void EffectPage::edit_photo(int photo) {
  if (project_.current() == nullptr) return;
  PictureEditorDialog editor(project_, history_, photo, dialogs_, main_window_);
  // A thumbnail made from a picture before the editor saved a new one must not
  // arrive after it; the line is shown anew afterwards.
  release_slideshows();
  editor.exec();
  show_current_slideshow();
}

void EffectPage::release_slideshows() {
  preview_->stop();
  image_line_->load(nullptr);
}

void EffectPage::thumbnails_ready() {
  image_line_->update();
}

ImageEffectCategory EffectPage::chosen_category() const {
  return static_cast<ImageEffectCategory>(combo(kEffectCombo)->currentIndex());
}

void EffectPage::run_command(int id) {
  const int seconds = combo(kDurationCombo)->currentIndex() + 1;
  const int transition_seconds = combo(kTransitionDurationCombo)->currentIndex();
  const int entry = effects_->selected_entry();
  switch (id) {
    case kApplyEffect:
    case kApplyDuration:
    case kApplyTransition:
    case kApplyTransitionDuration:
      return open_apply_menu(static_cast<Control>(id));
    case kCustomTransition:
      return customise_transition();
    case kEffectToAll:
    case kEffectToSelected:
      return image_line_->apply_image_effect(id == kEffectToAll, chosen_category());
    case kDurationToAll:
    case kDurationToSelected:
      return image_line_->apply_photo_duration(id == kDurationToAll, seconds);
    case kTransitionToAll:
    case kTransitionToSelected:
      if (entry >= 0) image_line_->apply_transition(id == kTransitionToAll, entry);
      return;
    case kTransitionDurationToAll:
    case kTransitionDurationToSelected:
      return image_line_->apply_transition_duration(id == kTransitionDurationToAll,
                                                    transition_seconds);
    case kPlayFromHere:
      return play_from_here();
    case kFullScreen:
      return play_full_screen();
    default:
      return;
  }
}

FullScreenPreview* EffectPage::full_screen() const {
  return full_screen_;
}

std::optional<SlideshowPreviewRequest> EffectPage::from_here_request() const {
  const Slideshow* slideshow = image_line_->slideshow();
  if (slideshow == nullptr || slideshow->photos.empty()) return std::nullopt;
  const std::vector<int> selected = image_line_->selected_photos();
  SlideshowPreviewRequest request;
  request.tv_standard = project_.default_setting.tv_system;
  request.slideshow = slideshow;
  request.first_photo = selected.empty() ? 0 : *std::min_element(selected.begin(), selected.end());
  request.music = project_.music_slideshow();
  request.aspect = screen_aspect(project_);
  return request;
}

void EffectPage::play_from_here() {
  const std::optional<SlideshowPreviewRequest> request = from_here_request();
  if (!request) return;
  music_player_.set_loop_audio(project_.preferences.loop_audio);
  preview_->preview_slideshow(*request);
}

void EffectPage::play_full_screen() {
  const std::optional<SlideshowPreviewRequest> request = from_here_request();
  if (!request || full_screen_) return;
  preview_->stop();
  music_player_.set_loop_audio(project_.preferences.loop_audio);
  full_screen_ = new FullScreenPreview(&music_player_, this);
  if (!full_screen_->play(*request)) delete full_screen_;
}

void EffectPage::open_apply_menu(Control id) {
  const QPushButton* apply = button(id);
  apply_menu(id)->popup(apply->mapToGlobal(QPoint(0, apply->height())));
}

void EffectPage::customise_transition() {
  const int entry = effects_->selected_entry();
  if (entry < 0) {
    project_.front_end.show(
        PromptMessage{tr("No transition effect is selected in the list!").toStdString(),
                      {},
                      PromptButtons::kOk,
                      PromptIcon::kNone});
    return;
  }
  // The dialog edits a copy; the template takes its values as a step of the
  // history. Photos keep the copies they were given, and later applies and
  // previews take the new values. The effect set is stored with the preferences.
  const std::unique_ptr<TransitionParams> edited = project_.effect_set.template_at(entry)->clone();
  if (edited->open_setting_dialog(transition_dialogs_))
    history_.run(transition_settings_edit(entry, edited->values()));
}

void EffectPage::preview_photo(int photo) {
  const Slideshow* slideshow = image_line_->slideshow();
  if (slideshow == nullptr || photo < 0 || photo >= static_cast<int>(slideshow->photos.size()))
    return;
  const PhotoItem& to = *slideshow->photos[static_cast<std::size_t>(photo)];
  // The first photo comes in over itself: it has no photo before it.
  const PhotoItem& from = *slideshow->photos[static_cast<std::size_t>(std::max(photo - 1, 0))];
  const EffectRecord& effect = to.setting.effect;
  TransitionPreviewRequest request;
  request.tv_standard = project_.default_setting.tv_system;
  request.aspect = screen_aspect(project_);
  request.from_path = from.prepared_path;
  request.to_path = to.prepared_path;
  request.image_effect = static_cast<int>(effect.image_effect);
  request.display_seconds = effect.display_seconds;
  request.transition = &effect.transition();
  request.transition_seconds = effect.transition_seconds;
  request.from_caption = photo_caption(from, slideshow->captions.automatic);
  request.to_caption = photo_caption(to, slideshow->captions.automatic);
  request.caption_placement = slideshow->captions.placement;
  preview_->preview_transition(request);
}

void EffectPage::preview_entry(int entry) {
  if (entry < 0 || entry >= EffectSet::kSize) return;
  preview_->stop();
  record_.display_seconds = combo(kDurationCombo)->currentIndex() + 1;
  record_.image_effect = static_cast<int>(draw_image_effect(chosen_category()));
  record_.transition_seconds = combo(kTransitionDurationCombo)->currentIndex();
  record_.aspect = screen_aspect(project_);
  if (entry == 0) entry = random_preview_entry(draw_random());
  // The player copies the transition's type and values when it starts.
  record_.transition = project_.effect_set.template_at(entry);
  preview_->preview_transition(record_);
}

}  // namespace pictavo
