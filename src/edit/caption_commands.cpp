#include "edit/caption_commands.h"

#include <algorithm>
#include <utility>

#include "base/translation_mark.h"
#include "base/utf8_text.h"
#include "model/project.h"

namespace pictavo {
namespace {

std::string one_line(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
  return std::string(utf8_prefix(text, PhotoItem::kMaxCaptionCharacters));
}

class SetCaptions final : public EditCommand {
 public:
  SetCaptions(ModelId slideshow, std::vector<int> indices, std::string text)
      : slideshow_(slideshow), indices_(std::move(indices)), text_(one_line(std::move(text))) {
    std::sort(indices_.begin(), indices_.end());
    indices_.erase(std::unique(indices_.begin(), indices_.end()), indices_.end());
  }

  bool apply(Project& project) override {
    Slideshow* slideshow = project.find_slideshow(slideshow_);
    if (slideshow == nullptr || indices_.empty() || indices_.front() < 0 ||
        indices_.back() >= static_cast<int>(slideshow->photos.size()))
      return false;
    bool changes = false;
    for (const int index : indices_) {
      const std::string& caption = slideshow->photos[static_cast<std::size_t>(index)]->caption;
      before_.push_back(caption);
      changes = changes || caption != text_;
    }
    if (changes) redo(project);
    return changes;
  }
  void undo(Project& project) override { write(project, before_); }
  void redo(Project& project) override {
    write(project, std::vector<std::string>(indices_.size(), text_));
  }
  UserText name() const override {
    return UserText::marked(QT_TRANSLATE_NOOP("Engine", "Change Caption"));
  }
  bool absorb(EditCommand& next) override {
    auto* same = dynamic_cast<SetCaptions*>(&next);
    if (same == nullptr || same->slideshow_ != slideshow_ || same->indices_ != indices_)
      return false;
    text_ = same->text_;
    return true;
  }

 private:
  void write(Project& project, const std::vector<std::string>& captions) const {
    Slideshow* slideshow = project.find_slideshow(slideshow_);
    if (slideshow == nullptr) return;
    for (std::size_t k = 0; k < indices_.size(); ++k)
      slideshow->photos[static_cast<std::size_t>(indices_[k])]->caption = captions[k];
    slideshow->notify_photos_changed(indices_);
  }

  ModelId slideshow_;
  std::vector<int> indices_;
  std::string text_;
  std::vector<std::string> before_;
};

class SetSlideshowCaptions final : public EditCommand {
 public:
  SetSlideshowCaptions(ModelId slideshow, SlideshowCaptions captions)
      : slideshow_(slideshow), after_(captions) {}

  bool apply(Project& project) override {
    const Slideshow* slideshow = project.find_slideshow(slideshow_);
    if (slideshow == nullptr || slideshow->captions == after_) return false;
    before_ = slideshow->captions;
    redo(project);
    return true;
  }
  void undo(Project& project) override { write(project, before_); }
  void redo(Project& project) override { write(project, after_); }
  UserText name() const override {
    return UserText::marked(QT_TRANSLATE_NOOP("Engine", "Change Automatic Caption"));
  }

 private:
  void write(Project& project, const SlideshowCaptions& captions) const {
    Slideshow* slideshow = project.find_slideshow(slideshow_);
    if (slideshow == nullptr) return;
    slideshow->captions = captions;
    slideshow->notify(ProjectChange::Kind::kPhotosChanged, 0,
                      static_cast<int>(slideshow->photos.size()));
  }

  ModelId slideshow_;
  SlideshowCaptions before_;
  SlideshowCaptions after_;
};

}  // namespace

std::unique_ptr<EditCommand> caption_edit(ModelId slideshow, std::vector<int> indices,
                                          std::string text) {
  return std::make_unique<SetCaptions>(slideshow, std::move(indices), std::move(text));
}

std::unique_ptr<EditCommand> slideshow_captions_edit(ModelId slideshow,
                                                     SlideshowCaptions captions) {
  return std::make_unique<SetSlideshowCaptions>(slideshow, captions);
}

}  // namespace pictavo
