// The music edits of a slideshow as steps of the edit history.
#include "edit/track_commands.h"

#include <string>
#include <utility>

#include "base/translation_mark.h"
#include "model/project.h"
#include "model/project_messages.h"

namespace pictavo {
namespace {

class AddTracks final : public EditCommand {
 public:
  AddTracks(ModelId slideshow, std::vector<std::filesystem::path> files,
            std::vector<std::filesystem::path>* left_out)
      : slideshow_(slideshow), files_(std::move(files)), left_out_(left_out) {}

  bool apply(Project& project) override {
    Slideshow* slideshow = project.find_slideshow(slideshow_);
    if (slideshow == nullptr) return false;
    first_ = static_cast<int>(slideshow->tracks.size());
    for (const std::filesystem::path& file : files_) {
      if (slideshow->add_track(file, project.preferences) != 0 && left_out_ != nullptr)
        left_out_->push_back(file);
    }
    count_ = static_cast<int>(slideshow->tracks.size()) - first_;
    return count_ > 0;
  }
  void undo(Project& project) override {
    Slideshow* slideshow = project.find_slideshow(slideshow_);
    if (slideshow == nullptr) return;
    for (int k = 0; k < count_; ++k)
      taken_.push_back(slideshow->take_track(first_));
  }
  void redo(Project& project) override {
    Slideshow* slideshow = project.find_slideshow(slideshow_);
    if (slideshow == nullptr) return;
    for (int k = 0; k < count_; ++k)
      slideshow->insert_track(first_ + k, std::move(taken_[static_cast<std::size_t>(k)]));
    taken_.clear();
  }
  UserText name() const override {
    return count_ == 1 ? UserText::marked(QT_TRANSLATE_NOOP("Engine", "Add Music"))
                       : UserText::marked(QT_TRANSLATE_NOOP("Engine", "Add Music Tracks"));
  }

 private:
  ModelId slideshow_;
  std::vector<std::filesystem::path> files_;
  std::vector<std::filesystem::path>* left_out_;
  int first_ = 0;
  int count_ = 0;
  std::vector<std::unique_ptr<AudioTrack>> taken_;
};

class RemoveTrack final : public EditCommand {
 public:
  RemoveTrack(ModelId slideshow, int index) : slideshow_(slideshow), index_(index) {}

  bool apply(Project& project) override {
    Slideshow* slideshow = project.find_slideshow(slideshow_);
    if (slideshow == nullptr) return false;
    // The slideshow's music plays under every slideshow: one track always stays.
    if (slideshow->tracks.size() == 1) {
      project.front_end.show(last_track_message());
      return false;
    }
    taken_ = slideshow->take_track(index_);
    return taken_ != nullptr;
  }
  void undo(Project& project) override {
    if (Slideshow* slideshow = project.find_slideshow(slideshow_))
      slideshow->insert_track(index_, std::move(taken_));
  }
  void redo(Project& project) override { apply(project); }
  UserText name() const override {
    return UserText::marked(QT_TRANSLATE_NOOP("Engine", "Delete Music"));
  }

 private:
  ModelId slideshow_;
  int index_;
  std::unique_ptr<AudioTrack> taken_;
};

class MoveTrack final : public EditCommand {
 public:
  MoveTrack(ModelId slideshow, int index, bool up)
      : slideshow_(slideshow), index_(index), up_(up) {}

  bool apply(Project& project) override {
    Slideshow* slideshow = project.find_slideshow(slideshow_);
    const int to = up_ ? index_ - 1 : index_ + 1;
    if (slideshow == nullptr || index_ < 0 || to < 0 ||
        to >= static_cast<int>(slideshow->tracks.size())) {
      return false;
    }
    redo(project);
    return true;
  }
  void undo(Project& project) override {
    if (Slideshow* slideshow = project.find_slideshow(slideshow_))
      up_ ? slideshow->move_track_down(index_ - 1) : slideshow->move_track_up(index_ + 1);
  }
  void redo(Project& project) override {
    if (Slideshow* slideshow = project.find_slideshow(slideshow_))
      up_ ? slideshow->move_track_up(index_) : slideshow->move_track_down(index_);
  }
  UserText name() const override {
    return UserText::marked(QT_TRANSLATE_NOOP("Engine", "Move Music"));
  }

 private:
  ModelId slideshow_;
  int index_;
  bool up_;
};

}  // namespace

std::unique_ptr<EditCommand> add_tracks_edit(ModelId slideshow,
                                             std::vector<std::filesystem::path> files,
                                             std::vector<std::filesystem::path>* left_out) {
  return std::make_unique<AddTracks>(slideshow, std::move(files), left_out);
}

std::unique_ptr<EditCommand> remove_track_edit(ModelId slideshow, int index) {
  return std::make_unique<RemoveTrack>(slideshow, index);
}

std::unique_ptr<EditCommand> move_track_edit(ModelId slideshow, int index, bool up) {
  return std::make_unique<MoveTrack>(slideshow, index, up);
}

}  // namespace pictavo
