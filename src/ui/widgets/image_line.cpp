#include "ui/widgets/image_line.h"

#include <QAction>
#include <QHelpEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <cstdlib>

#include "edit/edit_history.h"
#include "edit/photo_commands.h"
#include "model/project.h"
#include "model/slideshow.h"
#include "ui/common/engine_text.h"
#include "ui/common/transition_cover.h"
#include "ui/widgets/edge_scroller.h"
#include "ui/widgets/image_line_slot.h"
#include "ui/widgets/inplace_number_edit.h"
#include "ui/widgets/slideshow_thumbnails.h"

namespace pictavo {
namespace {

constexpr int kScrollBarTop = 102;
constexpr int kAutoScrollEdge = 5;

// The value typed into a duration box the way the program always read it: the
// leading integer, 0 for none.
int typed_value(const QString& text) {
  const std::string bytes = text.trimmed().toStdString();
  return std::atoi(bytes.c_str());
}

}  // namespace

ImageLine::ImageLine(Project& project, EditHistory& history, QWidget* parent)
    : QWidget(parent),
      project_(project),
      history_(history),
      scroller_(new EdgeScroller(kAutoScrollEdge, this)),
      thumbnails_(new SlideshowThumbnails(project, 1, this)) {  // 80 × 60, the slot's picture
  setMinimumWidth(620);
  setFixedHeight(120);
  setAcceptDrops(true);
  setFocusPolicy(Qt::StrongFocus);
  setFont(QFont("Arial", 9));
  duration_edit_ = new InPlaceNumberEdit(this);
  visible_slots_ = width() / kSlotWidth + 1;

  scroll_bar_ = new QScrollBar(Qt::Horizontal, this);
  scroll_bar_->setGeometry(2, kScrollBarTop, width() - 4, 16);
  scroll_bar_->setSingleStep(kSlotWidth);
  scroll_bar_->setPageStep(kPageWidth);
  connect(scroll_bar_, &QScrollBar::valueChanged, this, &ImageLine::scroll_to);
  // Scrolling by hand, not by code, takes the focus.
  connect(scroll_bar_, &QScrollBar::actionTriggered, this, [this] { setFocus(); });

  connect(scroller_, &EdgeScroller::tick, this, &ImageLine::auto_scroll_tick);
  connect(thumbnails_, &SlideshowThumbnails::arrived, this, qOverload<>(&QWidget::update));

  auto* select_all = new QAction(this);
  select_all->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
  select_all->setShortcutContext(Qt::WidgetShortcut);
  connect(select_all, &QAction::triggered, this, [this] { run_command(kSelectAll, -1); });
  auto* remove = new QAction(this);
  remove->setShortcut(QKeySequence(Qt::Key_Delete));
  remove->setShortcutContext(Qt::WidgetShortcut);
  connect(remove, &QAction::triggered, this, [this] { run_command(kDelete, -1); });
  addActions({select_all, remove});
  rebuild();
}

ImageLine::~ImageLine() {
  thumbnails_->stop();
}

void ImageLine::load(Slideshow* slideshow) {
  cancel_edit();
  thumbnails_->stop();
  shown_ = slideshow != nullptr ? slideshow->id() : 0;
  selection_.reset(slideshow != nullptr ? slideshow->photos.size() : 0);
  first_visible_ = 0;
  rebuild();
  scroll_bar_->setValue(0);
  thumbnails_->start(shown_, devicePixelRatioF());
}

Slideshow* ImageLine::slideshow() const {
  return project_.find_slideshow(shown_);
}

int ImageLine::slot_count() const {
  const int photos = slideshow() != nullptr ? static_cast<int>(slideshow()->photos.size()) : 0;
  return std::max(photos, visible_slots_) + 2;
}

int ImageLine::slot_at(int x) const {
  if (x < 0) return first_visible_;
  if (x >= width()) return first_visible_ + visible_slots_ - 1;
  return x / kSlotWidth + first_visible_;
}

ImageLine::Part ImageLine::part_at(QPoint point) const {
  if (photo_at_slot(slot_at(point.x())) < 0) return Part::kNone;
  return image_line_slot::part_at(QPoint(point.x() % kSlotWidth, point.y()));
}

int ImageLine::photo_at_slot(int slot) const {
  return is_photo(slot) ? slot : -1;
}

bool ImageLine::is_photo(int index) const {
  return slideshow() != nullptr && index >= 0 &&
         index < static_cast<int>(slideshow()->photos.size());
}

std::vector<int> ImageLine::selected_photos() const {
  return selection_.photos();
}

void ImageLine::select_photos(std::span<const int> photos) {
  selection_.set(photos);
  update();
}

std::vector<int> ImageLine::targets(bool all) const {
  if (!all) return selected_photos();
  std::vector<int> photos(slideshow() != nullptr ? slideshow()->photos.size() : 0);
  for (std::size_t i = 0; i < photos.size(); ++i)
    photos[i] = static_cast<int>(i);
  return photos;
}

void ImageLine::apply_image_effect(bool all, ImageEffectCategory category) {
  if (slideshow() == nullptr) return;
  history_.run(image_effect_edit(slideshow()->id(), targets(all), category));
}

void ImageLine::apply_photo_duration(bool all, int seconds) {
  if (slideshow() == nullptr) return;
  history_.run(display_seconds_edit(slideshow()->id(), targets(all), seconds));
}

void ImageLine::apply_transition(bool all, int picker_index) {
  const TransitionParams* transition = project_.effect_set.template_at(picker_index);
  if (slideshow() == nullptr || transition == nullptr) return;
  history_.run(transition_edit(slideshow()->id(), targets(all), *transition));
}

void ImageLine::apply_transition_duration(bool all, int seconds) {
  if (slideshow() == nullptr) return;
  history_.run(transition_seconds_edit(slideshow()->id(), targets(all), seconds));
}

void ImageLine::follow(const ProjectChange& change) {
  if (shown_ == 0 || change.slideshow != shown_) return;
  // Notices come once a step is complete: the slideshow may be gone by then.
  if (slideshow() == nullptr) return clear();
  if (change.changes_photo_list()) {
    cancel_edit();
    selection_.reset(slideshow()->photos.size());
    rebuild();
  } else if (change.kind == ProjectChange::Kind::kPhotosChanged) {
    update();
  } else {
    return;
  }
  // New photos and changed pictures have no thumbnail yet.
  thumbnails_->start(shown_, devicePixelRatioF());
}

bool ImageLine::drop_photos(std::vector<int> photos, int target, bool before) {
  if (!is_photo(target) || photos.empty()) return false;
  if (std::find(photos.begin(), photos.end(), target) != photos.end()) return false;
  if (!std::all_of(photos.begin(), photos.end(), [this](int photo) { return is_photo(photo); }))
    return false;
  cancel_edit();
  // The moved photos stay selected where they arrive.
  std::vector<ModelId> moved;
  for (const int photo : photos)
    moved.push_back(slideshow()->photos[static_cast<std::size_t>(photo)]->id);
  history_.run(move_photos_edit(slideshow()->id(), photos, target, before));
  for (std::size_t k = 0; k < photos.size(); ++k)
    photos[k] = slideshow()->photo_index(moved[k]);
  selection_.reset(slideshow()->photos.size());
  select_photos(photos);
  // Keep the moved photos in view.
  const int first = *std::min_element(photos.begin(), photos.end());
  if (first < first_visible_ || first >= first_visible_ + visible_slots_ - 1)
    scroll_bar_->setValue(std::max(first - 1, 0) * kSlotWidth);
  return true;
}

bool ImageLine::drop_transition(int picker_index, int photo) {
  const TransitionParams* transition = project_.effect_set.template_at(picker_index);
  if (!is_photo(photo) || transition == nullptr) return false;
  history_.run(transition_edit(slideshow()->id(), {photo}, *transition));
  drop_mark_ = {};
  update();
  return true;
}

void ImageLine::delete_selected() {
  const std::vector<int> photos = selected_photos();
  if (slideshow() == nullptr || photos.empty()) return;
  cancel_edit();
  if (!history_.run(remove_photos_edit(slideshow()->id(), photos)) || slideshow() == nullptr)
    return;
  first_visible_ = std::max(photos.front() - 1, 0);
  rebuild();
  scroll_bar_->setValue(first_visible_ * kSlotWidth);
}

void ImageLine::begin_edit(int photo, Part part) {
  commit_edit();
  if (!is_photo(photo) || (part != Part::kPhotoDuration && part != Part::kTransitionDuration))
    return;
  const PhotoItem& item = *slideshow()->photos[static_cast<std::size_t>(photo)];
  const bool display = part == Part::kPhotoDuration;
  const QRect place = image_line_slot::duration_rect(display)
                          .translated((photo - first_visible_) * kSlotWidth, 0)
                          .adjusted(-2, -2, 2, 2);
  const int seconds =
      display ? item.setting.effect.display_seconds : item.setting.effect.transition_seconds;
  // The photo is named by id: it may have moved by the time the text is committed.
  duration_edit_->open(place, seconds,
                       [this, shown = shown_, id = item.id, display](const QString& text) {
                         const Slideshow* slideshow = project_.find_slideshow(shown);
                         const int index = slideshow != nullptr ? slideshow->photo_index(id) : -1;
                         if (index < 0) return;
                         const int value = typed_value(text);
                         history_.run(display ? display_seconds_edit(shown, {index}, value)
                                              : transition_seconds_edit(shown, {index}, value));
                       });
}

void ImageLine::commit_edit() {
  duration_edit_->commit();
}

QLineEdit* ImageLine::duration_edit() const {
  return duration_edit_->line_edit();
}

void ImageLine::cancel_edit() {
  duration_edit_->cancel();
}

void ImageLine::run_command(int command, int photo) {
  switch (command) {
    case kEditTransitionDuration:
      begin_edit(photo, Part::kTransitionDuration);
      break;
    case kEditImageDuration:
      begin_edit(photo, Part::kPhotoDuration);
      break;
    case kDeleteImage:
    case kDelete:
      delete_selected();
      break;
    case kDeleteImageEffect:
      apply_image_effect(true, ImageEffectCategory::kNone);
      break;
    case kRandomizeImageEffect:
      apply_image_effect(true, ImageEffectCategory::kPanZoomRotate);
      break;
    case kRandomizeTransition:
      apply_transition(true, 0);  // picker entry 0 is Random
      break;
    case kPreview:
      if (is_photo(photo)) emit preview_requested(photo);
      break;
    case kSelectAll:
      selection_.select_all();
      update();
      break;
    default:
      break;
  }
}

QMenu* ImageLine::make_context_menu(int photo, Part part) {
  if (!is_photo(photo) || part == Part::kNone) return nullptr;
  const bool transition = part == Part::kTransition || part == Part::kTransitionDuration;
  auto* menu = new QMenu(transition ? tr("Image line effect") : tr("Image Line Image"), this);
  const auto add = [this, menu, photo](const QString& text, int command) {
    menu->addAction(text, this, [this, command, photo] { run_command(command, photo); })
        ->setData(command);
  };
  if (transition) {
    add(tr("Edit transition duration"), kEditTransitionDuration);
    add(tr("Randomize transition effect"), kRandomizeTransition);
    add(tr("Preview"), kPreview);
  } else {
    add(tr("Edit image duration"), kEditImageDuration);
    add(tr("Delete image"), kDeleteImage);
    add(tr("Delete image effect (no Pan/Zoom/Rotate)"), kDeleteImageEffect);
    add(tr("Randomize image effect (Pan/Zoom/Rotate)"), kRandomizeImageEffect);
    add(tr("Preview"), kPreview);
  }
  return menu;
}

QString ImageLine::tooltip_text(int photo) const {
  if (!is_photo(photo)) return {};
  const ImageEffect effect =
      slideshow()->photos[static_cast<std::size_t>(photo)]->setting.effect.image_effect;
  return tr("Index: %1   Image effect: %2")
      .arg(photo)
      .arg(engine_text(display_name(effect)))
      .left(80);
}

bool ImageLine::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString text = tooltip_text(photo_at_slot(slot_at(help->pos().x())));
    if (text.isEmpty())
      QToolTip::hideText();
    else
      QToolTip::showText(help->globalPos(), text, this);
    return true;
  }
  const bool handled = QWidget::event(event);
  // Every change of the selection is painted, so the events see them all.
  if (std::vector<int> selected = selection_.photos(); selected != told_selection_) {
    told_selection_ = std::move(selected);
    emit selection_changed();
  }
  return handled;
}

const QPixmap& ImageLine::transition_icon(TransitionType type) {
  QPixmap& icon = icons_[static_cast<std::size_t>(type)];
  if (icon.isNull())
    icon = transition_cover(project_.effect_set, type, image_line_slot::icon_size(),
                            devicePixelRatioF());
  return icon;
}

void ImageLine::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.setFont(font());
  for (int i = 0; i < visible_slots_; ++i)
    paint_slot(painter, first_visible_ + i, i * kSlotWidth);
}

void ImageLine::paint_slot(QPainter& painter, int slot, int left) {
  image_line_slot::Content content;
  if (is_photo(slot)) {
    content.photo = slideshow()->photos[static_cast<std::size_t>(slot)].get();
    content.number = slot;
    content.selected = selection_.contains(slot);
    const TransitionType type = content.photo->setting.effect.transition().type();
    if (static_cast<int>(type) >= 0 && static_cast<int>(type) < kConcreteTransitionCount)
      content.icon = &transition_icon(type);
  }
  if (drop_mark_.slot == slot) {
    content.drop_on_transition = drop_mark_.transition;
    if (!drop_mark_.transition) content.drop_edge = drop_mark_.before ? 0 : 1;
  }
  painter.save();
  painter.translate(left, 0);
  image_line_slot::paint(painter, content, image_line_slot::colours_for(palette()));
  painter.restore();
}

void ImageLine::rebuild() {
  const int range = std::max(slot_count() * kSlotWidth - visible_slots_ * kSlotWidth, 0);
  scroll_bar_->setRange(0, range);
  first_visible_ = std::clamp(first_visible_, 0, slot_count() - visible_slots_);
  update();
}

void ImageLine::scroll_to(int position) {
  first_visible_ = std::clamp(position / kSlotWidth, 0, slot_count() - visible_slots_);
  cancel_edit();
  update();
}

void ImageLine::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  visible_slots_ = width() / kSlotWidth + 1;
  scroll_bar_->setGeometry(2, kScrollBarTop, width() - 4, 16);
  rebuild();
}

}  // namespace pictavo
