// The slideshow edits of a project as steps of the edit history.
#include "edit/slideshow_commands.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "base/translation_mark.h"
#include "model/project.h"

namespace pictavo {
namespace {

// Slideshows that left the project, each with the index it had.
struct TakenSlideshows {
  std::vector<int> indices;  // ascending
  std::vector<std::unique_ptr<Slideshow>> slideshows;

  void take(Project& project, std::vector<int> chosen) {
    std::sort(chosen.begin(), chosen.end());
    indices = std::move(chosen);
    slideshows.resize(indices.size());
    for (std::size_t k = indices.size(); k-- > 0;)
      slideshows[k] = project.take_slideshow(indices[k]);
  }
  void put_back(Project& project) {
    for (std::size_t k = 0; k < indices.size(); ++k)
      project.insert_slideshow(indices[k], std::move(slideshows[k]));
    slideshows.clear();
  }
};

// Slideshows that some change brought into the project.
class AddSlideshows final : public EditCommand {
 public:
  using Change = std::function<void(Project&)>;

  AddSlideshows(UserText name, Change change)
      : name_(std::move(name)), change_(std::move(change)) {}

  bool apply(Project& project) override {
    std::vector<ModelId> before;
    for (const auto& slideshow : project.slideshows)
      before.push_back(slideshow->id());
    current_before_ = project.current_slideshow;
    change_(project);
    current_after_ = project.current_slideshow;
    for (int i = 0; i < project.slideshow_count(); ++i) {
      const ModelId id = project.slideshows[static_cast<std::size_t>(i)]->id();
      if (std::find(before.begin(), before.end(), id) == before.end()) added_.push_back(i);
    }
    return !added_.empty();
  }
  void undo(Project& project) override {
    taken_.take(project, added_);
    project.current_slideshow = current_before_;
  }
  void redo(Project& project) override {
    taken_.put_back(project);
    project.current_slideshow = current_after_;
  }
  UserText name() const override { return name_; }

 private:
  UserText name_;
  Change change_;
  std::vector<int> added_;
  TakenSlideshows taken_;
  int current_before_ = -1;
  int current_after_ = -1;
};

class RemoveSlideshows final : public EditCommand {
 public:
  // No ids: every slideshow.
  RemoveSlideshows(UserText name, std::vector<ModelId> slideshows)
      : name_(std::move(name)), slideshows_(std::move(slideshows)) {}

  bool apply(Project& project) override {
    std::vector<int> indices;
    for (int i = 0; i < project.slideshow_count(); ++i) {
      const ModelId id = project.slideshows[static_cast<std::size_t>(i)]->id();
      if (slideshows_.empty() ||
          std::find(slideshows_.begin(), slideshows_.end(), id) != slideshows_.end())
        indices.push_back(i);
    }
    if (indices.empty()) return false;
    current_ = project.current_slideshow;
    taken_.take(project, std::move(indices));
    return true;
  }
  void undo(Project& project) override {
    taken_.put_back(project);
    project.current_slideshow = current_;
  }
  void redo(Project& project) override { apply(project); }
  UserText name() const override { return name_; }

 private:
  UserText name_;
  std::vector<ModelId> slideshows_;
  TakenSlideshows taken_;
  int current_ = -1;
};

class RenameSlideshow final : public EditCommand {
 public:
  RenameSlideshow(ModelId slideshow, std::string name, bool* refused)
      : slideshow_(slideshow), after_(std::move(name)), refused_(refused) {}

  bool apply(Project& project) override {
    const int index = project.slideshow_index(slideshow_);
    if (index < 0) return false;
    before_ = project.slideshows[static_cast<std::size_t>(index)]->name();
    const bool refused = project.rename_slideshow(index, after_) != 0;
    if (refused_ != nullptr) *refused_ = refused;
    after_ = project.slideshows[static_cast<std::size_t>(index)]->name();
    return !refused && after_ != before_;
  }
  void undo(Project& project) override {
    project.rename_slideshow(project.slideshow_index(slideshow_), before_);
  }
  void redo(Project& project) override {
    project.rename_slideshow(project.slideshow_index(slideshow_), after_);
  }
  UserText name() const override {
    return UserText::marked(QT_TRANSLATE_NOOP("Engine", "Rename Slideshow"));
  }

 private:
  ModelId slideshow_;
  std::string before_;
  std::string after_;
  bool* refused_;
};

class MoveSlideshow final : public EditCommand {
 public:
  MoveSlideshow(ModelId slideshow, bool up) : slideshow_(slideshow), up_(up) {}

  bool apply(Project& project) override {
    const int index = project.slideshow_index(slideshow_);
    const int to = up_ ? index - 1 : index + 1;
    if (index < 0 || to < 0 || to >= project.slideshow_count()) return false;
    move(project, up_);
    return true;
  }
  void undo(Project& project) override { move(project, !up_); }
  void redo(Project& project) override { move(project, up_); }
  UserText name() const override {
    return UserText::marked(QT_TRANSLATE_NOOP("Engine", "Move Slideshow"));
  }

 private:
  void move(Project& project, bool up) const {
    const int index = project.slideshow_index(slideshow_);
    up ? project.move_slideshow_up(index) : project.move_slideshow_down(index);
  }

  ModelId slideshow_;
  bool up_;
};

}  // namespace

std::unique_ptr<EditCommand> new_slideshow_edit(std::string name,
                                                std::vector<std::filesystem::path> files,
                                                int* index) {
  return std::make_unique<AddSlideshows>(
      UserText::marked(QT_TRANSLATE_NOOP("Engine", "Add Slideshow")),
      [name = std::move(name), files = std::move(files), index](Project& project) {
        const int made = create_slideshow_with_photos(project, name, files);
        if (index != nullptr) *index = made;
      });
}

std::unique_ptr<EditCommand> import_folders_edit(std::vector<std::filesystem::path> folders,
                                                 FolderImportResult* result) {
  return std::make_unique<AddSlideshows>(
      UserText::marked(QT_TRANSLATE_NOOP("Engine", "Import Folders")),
      [folders = std::move(folders), result](Project& project) {
        const FolderImportResult imported = import_folders(project, folders);
        if (result != nullptr) *result = imported;
      });
}

std::unique_ptr<EditCommand> rename_slideshow_edit(ModelId slideshow, std::string name,
                                                   bool* refused) {
  return std::make_unique<RenameSlideshow>(slideshow, std::move(name), refused);
}

std::unique_ptr<EditCommand> remove_slideshow_edit(ModelId slideshow) {
  return std::make_unique<RemoveSlideshows>(
      UserText::marked(QT_TRANSLATE_NOOP("Engine", "Delete Slideshow")),
      std::vector<ModelId>{slideshow});
}

std::unique_ptr<EditCommand> remove_all_slideshows_edit() {
  return std::make_unique<RemoveSlideshows>(
      UserText::marked(QT_TRANSLATE_NOOP("Engine", "Delete All Slideshows")),
      std::vector<ModelId>{});
}

std::unique_ptr<EditCommand> move_slideshow_edit(ModelId slideshow, bool up) {
  return std::make_unique<MoveSlideshow>(slideshow, up);
}

}  // namespace pictavo
