// Edits of photos' pictures as steps of the edit history.
#include "edit/picture_commands.h"

#include <string>
#include <utility>

#include "base/translation_mark.h"
#include "model/project.h"
#include "model/unsaved_changes.h"

namespace pictavo {
namespace {

// What a photo's picture is made from.
struct PictureState {
  std::vector<EditItem> edits;
  PictureAdjustments adjustments;
  std::filesystem::path prepared;
};

PictureState state_of(const PhotoItem& photo) {
  return {photo.edits,
          {photo.brightness, photo.contrast, photo.soften_times, photo.sharpen_times},
          photo.prepared_path};
}

void set_state(PhotoItem& photo, const PictureState& state) {
  photo.edits = state.edits;
  photo.brightness = state.adjustments.brightness;
  photo.contrast = state.adjustments.contrast;
  photo.soften_times = state.adjustments.soften_times;
  photo.sharpen_times = state.adjustments.sharpen_times;
  photo.prepared_path = state.prepared;
  photo.thumbnail.reset();
}

// Any change of some photos' pictures, kept as each photo's state before and after.
class EditPictures final : public EditCommand {
 public:
  // Changes one photo; false when it stayed as it was. `taken` holds every file
  // the new picture must not replace.
  using Change = std::function<bool(Project&, PhotoItem&, const TakenPicture& taken)>;

  EditPictures(UserText name, ModelId slideshow, std::vector<int> indices, TakenPicture held,
               Change change)
      : name_(std::move(name)),
        slideshow_(slideshow),
        indices_(std::move(indices)),
        held_(std::move(held)),
        change_(std::move(change)) {}

  bool apply(Project& project) override {
    Slideshow* slideshow = project.find_slideshow(slideshow_);
    if (slideshow == nullptr) return false;
    for (const int index : indices_) {
      if (index < 0 || static_cast<std::size_t>(index) >= slideshow->photos.size()) continue;
      PhotoItem& photo = *slideshow->photos[static_cast<std::size_t>(index)];
      const TakenPicture others = pictures_of_other_photos(project, photo);
      const TakenPicture taken = [&](const std::filesystem::path& path) {
        return others(path) || (held_ && held_(path));
      };
      PictureState before = state_of(photo);
      if (!change_(project, photo, taken)) continue;
      changed_.push_back({index, std::move(before), state_of(photo)});
      keep_cover(*slideshow, index);
    }
    tell_changed(*slideshow);
    return !changed_.empty();
  }
  void undo(Project& project) override { put(project, &Changed::before); }
  void redo(Project& project) override { put(project, &Changed::after); }
  UserText name() const override { return name_; }
  void add_pictures(std::vector<std::filesystem::path>& pictures) const override {
    for (const Changed& changed : changed_) {
      pictures.push_back(changed.before.prepared);
      pictures.push_back(changed.after.prepared);
    }
  }

 private:
  struct Changed {
    int index;
    PictureState before;
    PictureState after;
  };

  // The cover picture shows the cover photo as it is now.
  static void keep_cover(Slideshow& slideshow, int index) {
    if (slideshow.cover_photo() == slideshow.photos[static_cast<std::size_t>(index)].get())
      slideshow.set_cover(index);
  }

  void put(Project& project, PictureState Changed::*state) const {
    Slideshow* slideshow = project.find_slideshow(slideshow_);
    if (slideshow == nullptr) return;
    for (const Changed& changed : changed_) {
      if (static_cast<std::size_t>(changed.index) >= slideshow->photos.size()) continue;
      set_state(*slideshow->photos[static_cast<std::size_t>(changed.index)], changed.*state);
      keep_cover(*slideshow, changed.index);
    }
    mark_unsaved();
    tell_changed(*slideshow);
  }

  void tell_changed(const Slideshow& slideshow) const {
    std::vector<int> indices;
    for (const Changed& changed : changed_)
      indices.push_back(changed.index);
    slideshow.notify_photos_changed(indices);
  }

  UserText name_;
  ModelId slideshow_;
  std::vector<int> indices_;
  TakenPicture held_;
  Change change_;
  std::vector<Changed> changed_;
};

}  // namespace

std::unique_ptr<EditCommand> rotate_photos_edit(ModelId slideshow, std::vector<int> indices,
                                                QuarterTurn turn, TakenPicture held,
                                                bool* all_turned) {
  if (all_turned != nullptr) *all_turned = true;
  UserText name = turn == QuarterTurn::kLeft
                      ? UserText::marked(QT_TRANSLATE_NOOP("Engine", "Rotate Left"))
                      : UserText::marked(QT_TRANSLATE_NOOP("Engine", "Rotate Right"));
  return std::make_unique<EditPictures>(
      std::move(name), slideshow, std::move(indices), std::move(held),
      [turn, all_turned](Project& project, PhotoItem& photo, const TakenPicture& taken) {
        const bool turned =
            quarter_turn_photo(photo, turn, project.preferences.working_folder, taken) == 0;
        if (!turned && all_turned != nullptr) *all_turned = false;
        return turned;
      });
}

std::unique_ptr<EditCommand> picture_editor_edit(
    ModelId slideshow, int index, std::vector<EditItem> edits, PictureAdjustments adjustments,
    std::filesystem::path decorations, TakenPicture held, std::filesystem::path* unwritten) {
  return std::make_unique<EditPictures>(
      UserText::marked(QT_TRANSLATE_NOOP("Engine", "Edit Picture")), slideshow,
      std::vector<int>{index}, std::move(held),
      [edits = std::move(edits), adjustments, decorations = std::move(decorations), unwritten](
          Project& project, PhotoItem& photo, const TakenPicture& taken) {
        const PictureState before = state_of(photo);
        set_state(photo, {edits, adjustments, photo.prepared_path});
        const std::filesystem::path& working = project.preferences.working_folder;
        if (!prepare_edited_photo(photo, working, decorations, taken)) {
          if (unwritten != nullptr) *unwritten = edited_picture_path(photo, working, taken);
          set_state(photo, before);
          return false;
        }
        mark_unsaved();
        return true;
      });
}

}  // namespace pictavo
