#include "ui/effect_page.h"

#include <QFrame>

#include "model/project.h"
#include "ui/image_line.h"
#include "ui/preview_widget.h"

namespace pictavo {

EffectPage::EffectPage(Project& project, UserDialogs& dialogs, QWidget* main_window,
                       QWidget* parent)
    : ProjectTreePage(project, dialogs, main_window, parent) {
  auto* frame = new QFrame(this);
  frame->setFrameShape(QFrame::Box);
  frame->setGeometry(607, 2, 230, 179);
  preview_ = new PreviewWidget(nullptr, this);
  preview_->move(610, 10);
  image_line_ = new ImageLine(project_, this);
  image_line_->move(215, 280);
  connect(image_line_, &ImageLine::preview_requested, this, &EffectPage::preview_photo);
  connect(image_line_, &ImageLine::slideshow_edited, this, [this] { project_.update_totals(); });
}

void EffectPage::page_shown() {
  show_current_slideshow();
}

void EffectPage::show_current_slideshow() {
  image_line_->load(project_.current());
}

void EffectPage::release_slideshows() {
  preview_->stop();
  image_line_->load(nullptr);
}

void EffectPage::thumbnails_ready(int number) {
  image_line_->thumbnails_ready(number);
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
  request.aspect = project_.preferences.aspect_ratio;
  request.from_path = from.prepared_path;
  request.to_path = to.prepared_path;
  request.image_effect = static_cast<int>(effect.image_effect);
  request.display_seconds = effect.display_seconds;
  request.transition = &effect.transition();
  request.transition_seconds = effect.transition_seconds;
  preview_->preview_transition(request);
}

}  // namespace pictavo
