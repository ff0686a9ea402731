// The photo edits of a slideshow as steps of the edit history.
#include "edit/photo_commands.h"

#include <algorithm>
#include <functional>
#include <string>
#include <unordered_map>
#include <utility>

#include "base/translation_mark.h"
#include "effects/transition_params.h"
#include "model/project.h"
#include "model/unsaved_changes.h"

namespace pictavo {
namespace {

// "Move Photo" or "Move 3 Photos".
UserText counted(const char* one, const char* many, std::size_t count) {
  return count == 1 ? UserText::marked(one) : UserText::marked(many, {std::to_string(count)});
}

bool are_photos_of(const Slideshow& slideshow, const std::vector<int>& indices) {
  return !indices.empty() && std::all_of(indices.begin(), indices.end(), [&](int index) {
    return index >= 0 && static_cast<std::size_t>(index) < slideshow.photos.size();
  });
}

std::vector<int> ascending_unique(std::vector<int> indices) {
  std::sort(indices.begin(), indices.end());
  indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
  return indices;
}

class AddPhotos final : public EditCommand {
 public:
  AddPhotos(ModelId slideshow, std::vector<std::filesystem::path> files, PhotoFilesResult* result)
      : slideshow_(slideshow), files_(std::move(files)), result_(result) {}

  bool apply(Project& project) override {
    Slideshow* slideshow = project.find_slideshow(slideshow_);
    if (slideshow == nullptr) return false;
    const int first = static_cast<int>(slideshow->photos.size());
    cover_ = slideshow->cover_index;
    const PhotoFilesResult result = add_photo_files(project, *slideshow, files_);
    if (result_ != nullptr) *result_ = result;
    for (int index = first; index < static_cast<int>(slideshow->photos.size()); ++index)
      added_.push_back(index);
    return !added_.empty();
  }
  void undo(Project& project) override {
    Slideshow* slideshow = project.find_slideshow(slideshow_);
    if (slideshow == nullptr) return;
    taken_ = slideshow->take_photos(added_);
    if (!slideshow->photos.empty() && slideshow->cover_index != cover_)
      slideshow->set_cover(cover_);
  }
  void redo(Project& project) override {
    if (Slideshow* slideshow = project.find_slideshow(slideshow_))
      slideshow->insert_photos(added_, std::move(taken_));
  }
  UserText name() const override {
    return counted(QT_TRANSLATE_NOOP("Engine", "Add Photo"),
                   QT_TRANSLATE_NOOP("Engine", "Add %1 Photos"), added_.size());
  }

 private:
  ModelId slideshow_;
  std::vector<std::filesystem::path> files_;
  PhotoFilesResult* result_;
  std::vector<int> added_;
  int cover_ = 0;
  std::vector<std::unique_ptr<PhotoItem>> taken_;
};

class RemovePhotos final : public EditCommand {
 public:
  RemovePhotos(ModelId slideshow, std::vector<int> indices)
      : slideshow_(slideshow), indices_(ascending_unique(std::move(indices))) {}

  bool apply(Project& project) override {
    const int index = project.slideshow_index(slideshow_);
    if (index < 0) return false;
    Slideshow& slideshow = *project.slideshows[static_cast<std::size_t>(index)];
    if (!are_photos_of(slideshow, indices_)) return false;
    cover_ = slideshow.cover_index;
    current_ = project.current_slideshow;
    taken_ = slideshow.take_photos(indices_);
    // A slideshow without photos has nothing to show: it goes too.
    if (slideshow.photos.empty()) {
      emptied_index_ = index;
      emptied_ = project.take_slideshow(index);
    }
    return true;
  }
  void undo(Project& project) override {
    if (emptied_) project.insert_slideshow(emptied_index_, std::move(emptied_));
    Slideshow* slideshow = project.find_slideshow(slideshow_);
    if (slideshow == nullptr) return;
    slideshow->insert_photos(indices_, std::move(taken_));
    if (slideshow->cover_index != cover_) slideshow->set_cover(cover_);
    project.current_slideshow = current_;
  }
  void redo(Project& project) override { apply(project); }
  UserText name() const override {
    return counted(QT_TRANSLATE_NOOP("Engine", "Delete Photo"),
                   QT_TRANSLATE_NOOP("Engine", "Delete %1 Photos"), indices_.size());
  }

 private:
  ModelId slideshow_;
  std::vector<int> indices_;
  std::vector<std::unique_ptr<PhotoItem>> taken_;
  int cover_ = 0;
  int current_ = -1;
  std::unique_ptr<Slideshow> emptied_;
  int emptied_index_ = -1;
};

// Any change of the photos' order, kept as the order it made.
class ReorderPhotos final : public EditCommand {
 public:
  using Change = std::function<void(Slideshow&)>;

  ReorderPhotos(UserText name, ModelId slideshow, Change change)
      : name_(std::move(name)), slideshow_(slideshow), change_(std::move(change)) {}

  bool apply(Project& project) override {
    Slideshow* slideshow = project.find_slideshow(slideshow_);
    if (slideshow == nullptr) return false;
    std::unordered_map<const PhotoItem*, int> before;
    for (std::size_t i = 0; i < slideshow->photos.size(); ++i)
      before.emplace(slideshow->photos[i].get(), static_cast<int>(i));
    change_(*slideshow);
    bool moved = false;
    for (std::size_t i = 0; i < slideshow->photos.size(); ++i) {
      order_.push_back(before.at(slideshow->photos[i].get()));
      moved = moved || order_.back() != static_cast<int>(i);
    }
    return moved;
  }
  void undo(Project& project) override {
    std::vector<int> inverse(order_.size());
    for (std::size_t i = 0; i < order_.size(); ++i)
      inverse[static_cast<std::size_t>(order_[i])] = static_cast<int>(i);
    if (Slideshow* slideshow = project.find_slideshow(slideshow_))
      slideshow->reorder_photos(inverse);
  }
  void redo(Project& project) override {
    if (Slideshow* slideshow = project.find_slideshow(slideshow_))
      slideshow->reorder_photos(order_);
  }
  UserText name() const override { return name_; }

 private:
  UserText name_;
  ModelId slideshow_;
  Change change_;
  std::vector<int> order_;  // the photo at order_[i] before is at i after
};

// Any change of effect choices: the photos' records before and after it.
class ChangeSettings final : public EditCommand {
 public:
  using Change = std::function<bool(Project&)>;
  // The photos `indices` of `slideshow`; every photo of it without indices, and
  // every photo of the project for slideshow 0.
  struct Photos {
    ModelId slideshow = 0;
    std::vector<int> indices;
  };

  // Steps of the same non-empty `field` over the same photos merge.
  ChangeSettings(UserText name, std::string field, Photos photos, Change change)
      : name_(std::move(name)),
        field_(std::move(field)),
        photos_(std::move(photos)),
        change_(std::move(change)) {}

  bool apply(Project& project) override {
    if (!resolve(project)) return false;
    before_ = values(project);
    if (!change_(project)) return false;
    after_ = values(project);
    return true;
  }
  void undo(Project& project) override { write(project, before_); }
  void redo(Project& project) override { write(project, after_); }
  UserText name() const override { return name_; }
  bool absorb(EditCommand& next) override {
    auto* same = dynamic_cast<ChangeSettings*>(&next);
    if (same == nullptr || field_.empty() || same->field_ != field_ || same->targets_ != targets_) {
      return false;
    }
    after_ = std::move(same->after_);
    return true;
  }

 private:
  struct Target {
    ModelId slideshow;
    int photo;
    bool operator==(const Target&) const = default;
  };

  bool resolve(Project& project) {
    for (const auto& slideshow : project.slideshows) {
      if (photos_.slideshow != 0 && slideshow->id() != photos_.slideshow) continue;
      if (photos_.slideshow != 0 && !photos_.indices.empty()) {
        if (!are_photos_of(*slideshow, photos_.indices)) return false;
        for (const int index : photos_.indices)
          targets_.push_back({slideshow->id(), index});
      } else {
        for (std::size_t i = 0; i < slideshow->photos.size(); ++i)
          targets_.push_back({slideshow->id(), static_cast<int>(i)});
      }
    }
    return !targets_.empty();
  }

  PhotoItem* photo(Project& project, const Target& target) const {
    Slideshow* slideshow = project.find_slideshow(target.slideshow);
    if (slideshow == nullptr || static_cast<std::size_t>(target.photo) >= slideshow->photos.size())
      return nullptr;
    return slideshow->photos[static_cast<std::size_t>(target.photo)].get();
  }

  std::vector<EffectRecord> values(Project& project) const {
    std::vector<EffectRecord> values;
    for (const Target& target : targets_) {
      const PhotoItem* item = photo(project, target);
      values.push_back(item ? item->setting.effect : EffectRecord());
    }
    return values;
  }

  void write(Project& project, const std::vector<EffectRecord>& values) const {
    for (std::size_t k = 0; k < targets_.size(); ++k) {
      if (PhotoItem* item = photo(project, targets_[k])) item->setting.effect = values[k];
    }
    for (const auto& slideshow : project.slideshows) {
      std::vector<int> touched;
      for (const Target& target : targets_) {
        if (target.slideshow == slideshow->id()) touched.push_back(target.photo);
      }
      if (touched.empty()) continue;
      slideshow->update_length();
      slideshow->notify_photos_changed(touched);
    }
    mark_unsaved();
  }

  UserText name_;
  std::string field_;
  Photos photos_;
  Change change_;
  std::vector<Target> targets_;
  std::vector<EffectRecord> before_;
  std::vector<EffectRecord> after_;
};

// A change of the photos `indices` of `slideshow` through one Slideshow operation.
std::unique_ptr<EditCommand> slideshow_settings_edit(
    UserText name, std::string field, ModelId slideshow, std::vector<int> indices,
    std::function<int(Slideshow&, std::span<const int>)> operation) {
  return std::make_unique<ChangeSettings>(
      std::move(name), std::move(field), ChangeSettings::Photos{slideshow, indices},
      [slideshow, indices, operation = std::move(operation)](Project& project) {
        Slideshow* shown = project.find_slideshow(slideshow);
        return shown != nullptr && operation(*shown, indices) == 0;
      });
}

}  // namespace

std::unique_ptr<EditCommand> add_photos_edit(ModelId slideshow,
                                             std::vector<std::filesystem::path> files,
                                             PhotoFilesResult* result) {
  return std::make_unique<AddPhotos>(slideshow, std::move(files), result);
}

std::unique_ptr<EditCommand> remove_photos_edit(ModelId slideshow, std::vector<int> indices) {
  return std::make_unique<RemovePhotos>(slideshow, std::move(indices));
}

std::unique_ptr<EditCommand> move_photos_edit(ModelId slideshow, std::vector<int> indices,
                                              int target, bool before) {
  UserText name = counted(QT_TRANSLATE_NOOP("Engine", "Move Photo"),
                          QT_TRANSLATE_NOOP("Engine", "Move %1 Photos"), indices.size());
  return std::make_unique<ReorderPhotos>(
      std::move(name), slideshow,
      [indices = std::move(indices), target, before](Slideshow& shown) mutable {
        shown.move_photos(indices, target, before);
      });
}

std::unique_ptr<EditCommand> move_photo_edit(ModelId slideshow, int index, bool up) {
  return std::make_unique<ReorderPhotos>(
      UserText::marked(QT_TRANSLATE_NOOP("Engine", "Move Photo")), slideshow,
      [index, up](Slideshow& shown) {
        up ? shown.move_photo_up(index) : shown.move_photo_down(index);
      });
}

std::unique_ptr<EditCommand> sort_photos_edit(ModelId slideshow, PhotoSortKey key,
                                              SortDirection direction) {
  return std::make_unique<ReorderPhotos>(
      UserText::marked(QT_TRANSLATE_NOOP("Engine", "Sort Photos")), slideshow,
      [key, direction](Slideshow& shown) { shown.sort_photos(key, direction); });
}

std::unique_ptr<EditCommand> display_seconds_edit(ModelId slideshow, std::vector<int> indices,
                                                  int seconds) {
  return slideshow_settings_edit(
      UserText::marked(QT_TRANSLATE_NOOP("Engine", "Change Display Time")), "display", slideshow,
      std::move(indices), [seconds](Slideshow& shown, std::span<const int> chosen) {
        return shown.set_display_seconds(chosen, seconds);
      });
}

std::unique_ptr<EditCommand> transition_seconds_edit(ModelId slideshow, std::vector<int> indices,
                                                     int seconds) {
  return slideshow_settings_edit(
      UserText::marked(QT_TRANSLATE_NOOP("Engine", "Change Transition Time")), "transition time",
      slideshow, std::move(indices), [seconds](Slideshow& shown, std::span<const int> chosen) {
        return shown.set_transition_seconds(chosen, seconds);
      });
}

std::unique_ptr<EditCommand> image_effect_edit(ModelId slideshow, std::vector<int> indices,
                                               ImageEffectCategory category) {
  return slideshow_settings_edit(
      UserText::marked(QT_TRANSLATE_NOOP("Engine", "Change Image Effect")), "", slideshow,
      std::move(indices), [category](Slideshow& shown, std::span<const int> chosen) {
        return shown.set_image_effect(chosen, category);
      });
}

std::unique_ptr<EditCommand> transition_edit(ModelId slideshow, std::vector<int> indices,
                                             const TransitionParams& template_params) {
  std::shared_ptr<const TransitionParams> chosen = template_params.clone();
  return slideshow_settings_edit(UserText::marked(QT_TRANSLATE_NOOP("Engine", "Change Transition")),
                                 "", slideshow, std::move(indices),
                                 [chosen](Slideshow& shown, std::span<const int> photos) {
                                   return shown.set_transition(photos, *chosen);
                                 });
}

std::unique_ptr<EditCommand> fit_to_music_edit(ModelId slideshow, MusicFit* fit) {
  return std::make_unique<ChangeSettings>(
      UserText::marked(QT_TRANSLATE_NOOP("Engine", "Fit to Music")), "",
      ChangeSettings::Photos{slideshow, {}}, [slideshow, fit](Project& project) {
        Slideshow* shown = project.find_slideshow(slideshow);
        if (shown == nullptr) return false;
        const MusicFit result = fit_display_to_music(*shown, project.slideshows.front()->tracks);
        if (fit != nullptr) *fit = result;
        return result.outcome != MusicFitOutcome::kNoMusic;
      });
}

std::unique_ptr<EditCommand> default_times_edit(bool* within_limit) {
  return std::make_unique<ChangeSettings>(
      UserText::marked(QT_TRANSLATE_NOOP("Engine", "Apply Times to All Photos")), "",
      ChangeSettings::Photos{}, [within_limit](Project& project) {
        const bool done = project.apply_default_times_to_all();
        if (within_limit != nullptr) *within_limit = done;
        return done;
      });
}

namespace {

class SetCover final : public EditCommand {
 public:
  SetCover(ModelId slideshow, int index) : slideshow_(slideshow), after_(index) {}

  bool apply(Project& project) override {
    Slideshow* slideshow = project.find_slideshow(slideshow_);
    if (slideshow == nullptr || !are_photos_of(*slideshow, {after_}) ||
        slideshow->cover_index == after_) {
      return false;
    }
    before_ = slideshow->cover_index;
    slideshow->set_cover(after_);
    return true;
  }
  void undo(Project& project) override {
    if (Slideshow* slideshow = project.find_slideshow(slideshow_)) slideshow->set_cover(before_);
  }
  void redo(Project& project) override {
    if (Slideshow* slideshow = project.find_slideshow(slideshow_)) slideshow->set_cover(after_);
  }
  UserText name() const override {
    return UserText::marked(QT_TRANSLATE_NOOP("Engine", "Set Cover"));
  }

 private:
  ModelId slideshow_;
  int before_ = 0;
  int after_;
};

}  // namespace

std::unique_ptr<EditCommand> cover_edit(ModelId slideshow, int index) {
  return std::make_unique<SetCover>(slideshow, index);
}

}  // namespace pictavo
