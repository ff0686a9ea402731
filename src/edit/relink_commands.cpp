#include "edit/relink_commands.h"

#include <string>
#include <utility>

#include "base/translation_mark.h"
#include "model/project.h"

namespace pictavo {
namespace {

// What a photo knows of its file.
struct PhotoFile {
  std::filesystem::path source_path;
  std::filesystem::path prepared_path;
  std::string file_name;
  std::chrono::system_clock::time_point created;
  std::optional<CalendarDate> date_taken;
  std::uintmax_t file_size = 0;
  std::string size_text;
  std::string type_name;
  bool missing = false;

  static PhotoFile of(const PhotoItem& photo) {
    return {photo.source_path, photo.prepared_path, photo.file_name,
            photo.created,     photo.date_taken,    photo.file_size,
            photo.size_text,   photo.type_name,     photo.missing};
  }

  void put_into(PhotoItem& photo) const {
    photo.source_path = source_path;
    photo.prepared_path = prepared_path;
    photo.file_name = file_name;
    photo.created = created;
    photo.date_taken = date_taken;
    photo.file_size = file_size;
    photo.size_text = size_text;
    photo.type_name = type_name;
    photo.missing = missing;
    photo.thumbnail.reset();
  }
};

class RelinkPhotos final : public EditCommand {
 public:
  explicit RelinkPhotos(std::vector<PhotoRelink> relinks) : relinks_(std::move(relinks)) {}

  bool apply(Project& project) override {
    for (const PhotoRelink& relink : relinks_) {
      PhotoItem* photo = find(project, relink);
      if (photo == nullptr || !photo->missing) continue;
      PhotoFile before = PhotoFile::of(*photo);
      // The new file's facts, read as for a photo added now.
      PhotoFile after = PhotoFile::of(PhotoItem(relink.file, photo->setting));
      if (before.prepared_path != before.source_path) after.prepared_path = before.prepared_path;
      changes_.push_back({relink, std::move(before), std::move(after)});
    }
    redo(project);
    return !changes_.empty();
  }
  void undo(Project& project) override { write(project, &Change::before); }
  void redo(Project& project) override { write(project, &Change::after); }
  UserText name() const override {
    return UserText::marked(changes_.size() == 1 ? QT_TRANSLATE_NOOP("Engine", "Relink Photo")
                                                 : QT_TRANSLATE_NOOP("Engine", "Relink Photos"));
  }

 private:
  struct Change {
    PhotoRelink relink;
    PhotoFile before;
    PhotoFile after;
  };

  static PhotoItem* find(Project& project, const PhotoRelink& relink) {
    Slideshow* slideshow = project.find_slideshow(relink.slideshow);
    const int index = slideshow != nullptr ? slideshow->photo_index(relink.photo) : -1;
    return index < 0 ? nullptr : slideshow->photos[static_cast<std::size_t>(index)].get();
  }

  void write(Project& project, PhotoFile Change::*state) const {
    for (const Change& change : changes_) {
      PhotoItem* photo = find(project, change.relink);
      if (photo == nullptr) continue;
      (change.*state).put_into(*photo);
      Slideshow& slideshow = *project.find_slideshow(change.relink.slideshow);
      const int index[] = {slideshow.photo_index(change.relink.photo)};
      slideshow.notify_photos_changed(index);
    }
  }

  std::vector<PhotoRelink> relinks_;
  std::vector<Change> changes_;
};

}  // namespace

std::unique_ptr<EditCommand> relink_photos_edit(std::vector<PhotoRelink> relinks) {
  return std::make_unique<RelinkPhotos>(std::move(relinks));
}

}  // namespace pictavo
