// Loading the project file.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "base/log.h"
#include "base/text_number.h"
#include "base/translation_mark.h"
#include "base/utf8_text.h"
#include "base/xml_document.h"
#include "base/xml_file.h"
#include "effects/transition_choice.h"
#include "model/photo_durations.h"
#include "model/photo_edits.h"
#include "model/photo_preparation.h"
#include "model/preferences_file.h"
#include "model/project.h"
#include "model/project_elements.h"
#include "model/project_file.h"
#include "model/project_messages.h"
#include "model/project_start.h"
#include "model/unsaved_changes.h"
#include "model/working_folders.h"

namespace pictavo {
namespace {

namespace element = project_element;
namespace fs = std::filesystem;

// Far beyond any real project (2,000 photos take about 2 MB), and a bound on what a
// hostile file can make the program hold.
constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{256} << 20;
// The picture editor's brightness and saturation sliders reach this far; filter
// passes are held to the ones the editing applies (kMaxFilterPasses).
constexpr int kMaxLightPosition = 80;
// Text overlays keep one character less of a stored face name than of a chosen one.
constexpr std::size_t kStoredFontNameCharacters = TextOverlay::kMaxFontNameCharacters - 1;

constexpr const char* kNoProjectFile =
    QT_TRANSLATE_NOOP("Engine", "it is not a Pictavo project file");
constexpr const char* kDamaged =
    QT_TRANSLATE_NOOP("Engine", "it is damaged: a part every project file has is missing");

// What opening another file replaces, so that a file that cannot be opened leaves
// the project exactly as it was.
class KeptProject {
 public:
  explicit KeptProject(Project& project)
      : project_(project),
        slideshows_(std::move(project.slideshows)),
        default_setting_(project.default_setting),
        preferences_(project.preferences),
        effect_set_(project.effect_set),
        current_slideshow_(project.current_slideshow),
        list_changed_(project.list_changed),
        modified_(project.modified),
        unsaved_(has_unsaved_changes()) {
    project.slideshows.clear();
    project.current_slideshow = -1;
  }

  void put_back() {
    project_.slideshows = std::move(slideshows_);
    project_.default_setting = std::move(default_setting_);
    project_.preferences = std::move(preferences_);
    project_.effect_set = std::move(effect_set_);
    project_.current_slideshow = current_slideshow_;
    project_.list_changed = list_changed_;
    project_.modified = modified_;
    if (unsaved_) {
      mark_unsaved();
    } else {
      clear_unsaved();
    }
    project_.recompute_totals();
  }

 private:
  Project& project_;
  std::vector<std::unique_ptr<Slideshow>> slideshows_;
  PhotoSetting default_setting_;
  Preferences preferences_;
  EffectSet effect_set_;
  int current_slideshow_;
  bool list_changed_;
  bool modified_;
  bool unsaved_;
};

bool is_own_preferences_file(const fs::path& stored, const Preferences& preferences) {
  return !stored.empty() && normal_path(stored) == normal_path(preferences.preferences_path);
}

// A numbered working folder of this program that still exists.
bool is_own_working_folder(const fs::path& stored, const Preferences& preferences) {
  const fs::path folder = normal_path(stored);
  std::error_code error;
  return stored.is_absolute() && folder.parent_path() == normal_path(preferences.writable_folder) &&
         folder.filename().string().starts_with("Project_") && fs::is_directory(folder, error);
}

ImageEffectCategory stored_category(int value) {
  return value >= 0 && value < kImageEffectCategoryCount ? static_cast<ImageEffectCategory>(value)
                                                         : ImageEffectCategory::kNone;
}

// A concrete motion; anything else (the "random" choice, unknown ids) is drawn from
// the category as a new photo's would be.
ImageEffect stored_image_effect(int value, ImageEffectCategory category) {
  return value >= 0 && value < static_cast<int>(ImageEffect::kRandom)
             ? static_cast<ImageEffect>(value)
             : draw_image_effect(category);
}

class ProjectReader {
 public:
  ProjectReader(Project& project, XmlDocument& doc) : project_(project), doc_(doc) {}

  Status read() {
    if (!doc_.find_elem(element::kRoot) || !doc_.into_elem()) return Failure{kNoProjectFile};
    if (!read_folders()) return Failure{kDamaged};
    while (doc_.find_elem(element::kSlideshows)) {
      doc_.into_elem();
      while (doc_.find_elem(element::kSlideshow)) {
        doc_.into_elem();
        const bool read = read_slideshow();
        doc_.out_of_elem();
        if (!read) return Failure{kDamaged};
      }
      doc_.out_of_elem();
    }
    return {};
  }

  // The photos left out because their files are gone, in the file's order.
  const std::vector<std::string>& missing_photos() const { return missing_photos_; }

 private:
  enum class PhotoResult { kAdded, kSkipped, kFailed };

  // The text of the next sibling named `name`; nothing when there is none.
  std::optional<std::string> find(std::string_view name) {
    if (!doc_.find_elem(name)) return std::nullopt;
    return doc_.get_data();
  }

  std::optional<int> find_int(std::string_view name) {
    if (!doc_.find_elem(name)) return std::nullopt;
    return parse_int(doc_.get_data());
  }

  bool read_folders() {
    Preferences& preferences = project_.preferences;
    const std::optional<std::string> preferences_file = find(element::kPreferenceFile);
    if (!preferences_file) return false;
    if (is_own_preferences_file(*preferences_file, preferences)) load_preferences(project_);
    const std::optional<std::string> working_folder = find(element::kWorkingPath);
    if (!working_folder || !find(element::kTempPath) || !find(element::kOutputPath)) return false;
    // The temporary and output folders always belong to the working folder: the
    // make-video job empties the output folder.
    if (is_own_working_folder(*working_folder, preferences)) {
      use_working_folder(project_, normal_path(*working_folder), true);
    }
    return true;
  }

  bool read_slideshow() {
    const std::optional<std::string> name = find(element::kName);
    if (!name) return false;
    const bool at_limit = project_.slideshow_count() >= Project::kMaxSlideshows;
    if (at_limit && limit_shown_) return true;
    if (project_.add_slideshow(*name) != 0) {
      limit_shown_ = limit_shown_ || at_limit;
      return true;
    }
    const int index = project_.slideshow_count() - 1;
    Slideshow& slideshow = *project_.slideshows.back();
    const bool read = read_slideshow_content(slideshow);
    // The stored durations replaced the ones the photos were added with.
    slideshow.update_length();
    if (slideshow.photos.empty()) {
      project_.remove_slideshow(index);
    } else if (read) {
      // Photos that are gone can leave the stored index past the last one; the
      // cover picture is then drawn from the photo the index is held to.
      slideshow.set_cover(
          std::clamp(cover_index_, 0, static_cast<int>(slideshow.photos.size()) - 1));
    }
    return read;
  }

  bool read_slideshow_content(Slideshow& slideshow) {
    const std::optional<int> cover = find_int(element::kCoverIndex);
    if (!cover) return false;
    slideshow.set_cover(*cover);
    cover_index_ = *cover;
    while (doc_.find_elem(element::kAudio)) {
      doc_.into_elem();
      const std::optional<std::string> file = find(element::kAudioFile);
      if (file) slideshow.add_track(*file, project_.preferences);
      doc_.out_of_elem();
      if (!file) return false;
    }
    while (doc_.find_elem(element::kPhoto)) {
      doc_.into_elem();
      const PhotoResult result = read_photo(slideshow);
      doc_.out_of_elem();
      if (result == PhotoResult::kFailed) return false;
    }
    read_captions(slideshow.captions);
    return true;
  }

  // After the last photo; an unknown kind is none.
  void read_captions(SlideshowCaptions& captions) {
    while (doc_.find_elem()) {
      const std::string name = doc_.get_tag_name();
      if (name == element::kAutoCaption) {
        captions.automatic = auto_caption_from_word(doc_.get_data()).value_or(AutoCaption::kNone);
      } else if (name == element::kCaptionPlacement) {
        captions.placement = doc_.get_data() == element::kCaptionAtTop ? CaptionPlacement::kTop
                                                                       : CaptionPlacement::kBottom;
      }
    }
  }

  PhotoResult read_photo(Slideshow& slideshow) {
    const std::optional<std::string> source = find(element::kSourceFile);
    if (!source) return PhotoResult::kFailed;
    if (slideshow.add_photo(*source, project_.default_setting) != 0) {
      std::error_code error;
      // A photo whose folder was moved stays, with everything stored about it, to
      // be relinked; one that is there but no picture is left out.
      if (fs::exists(*source, error) || error) return PhotoResult::kSkipped;
      slideshow.add_missing_photo(*source, project_.default_setting);
      missing_photos_.push_back(*source);
    }
    PhotoItem& photo = *slideshow.photos.back();
    // An edited copy that is gone or no picture (its working folder was deleted)
    // gives way to the user's own file, which the renderers can still show.
    if (const std::optional<std::string> prepared = find(element::kPreparedFile)) {
      if (*prepared == photo.source_path || can_decode_photo(*prepared)) {
        photo.prepared_path = *prepared;
      }
    }
    if (!read_setting(photo.setting)) {
      slideshow.remove_photo(static_cast<int>(slideshow.photos.size()) - 1);
      return PhotoResult::kFailed;
    }
    if (doc_.find_elem(element::kAdjustments)) read_adjustments(photo);
    while (doc_.find_elem()) {
      const std::string name = doc_.get_tag_name();
      if (name == element::kCaption) {
        photo.caption = utf8_prefix(doc_.get_data(), PhotoItem::kMaxCaptionCharacters);
        continue;
      }
      const std::optional<EditKind> kind = edit_kind_from_element_name(name);
      if (kind && !read_edit(*kind, photo)) return PhotoResult::kFailed;
    }
    return PhotoResult::kAdded;
  }

  bool read_setting(PhotoSetting& setting) {
    if (!doc_.find_elem(element::kSetting) || !doc_.into_elem()) return false;
    const std::optional<int> tv_system = find_int(element::kTvSystem);
    const std::optional<std::string> working_folder =
        tv_system ? find(element::kWorkingFolder) : std::nullopt;
    const std::optional<std::string> temp_folder =
        working_folder ? find(element::kTempFolder) : std::nullopt;
    const std::optional<std::string> output_folder =
        temp_folder ? find(element::kOutputFolder) : std::nullopt;
    if (!output_folder || !doc_.find_elem(element::kEffect) || !doc_.into_elem()) return false;
    setting.tv_system = *tv_system == 0 ? 0 : 1;
    setting.working_folder = *working_folder;
    setting.temp_folder = *temp_folder;
    setting.output_folder = *output_folder;
    const bool read = read_effect(setting.effect);
    doc_.out_of_elem();
    doc_.out_of_elem();
    return read;
  }

  bool read_effect(EffectRecord& effect) {
    std::array<int, 4> values{};
    constexpr std::array<std::string_view, 4> kNames{element::kDisplaySeconds,
                                                     element::kImageEffect, element::kCategory,
                                                     element::kTransitionSeconds};
    for (std::size_t i = 0; i < kNames.size(); ++i) {
      const std::optional<int> value = find_int(kNames[i]);
      if (!value) return false;
      values[i] = *value;
    }
    std::unique_ptr<TransitionParams> transition = read_transition(doc_);
    if (!transition) return false;
    effect.display_seconds = fit_display_seconds(values[0]);
    effect.category = stored_category(values[2]);
    effect.image_effect = stored_image_effect(values[1], effect.category);
    effect.transition_seconds = fit_transition_seconds(values[3]);
    // A photo holds a concrete transition; a stored Random one is drawn now.
    if (transition->type() == TransitionType::kRandom) transition = resolve_transition(*transition);
    effect.set_transition(std::move(transition));
    return true;
  }

  void read_adjustments(PhotoItem& photo) {
    doc_.into_elem();
    const struct {
      std::string_view name;
      int& value;
      int most;
    } adjustments[] = {{element::kBrightness, photo.brightness, kMaxLightPosition},
                       {element::kContrast, photo.contrast, kMaxLightPosition},
                       {element::kSharpen, photo.sharpen_times, kMaxFilterPasses},
                       {element::kSoften, photo.soften_times, kMaxFilterPasses}};
    for (const auto& adjustment : adjustments) {
      if (const std::optional<int> stored = find_int(adjustment.name)) {
        adjustment.value = std::clamp(*stored, 0, adjustment.most);
      }
    }
    doc_.out_of_elem();
  }

  // The children of the current edit element, in the stored order; nothing when
  // one is missing.
  template <std::size_t kCount>
  std::optional<std::array<std::string, kCount>> read_children(
      const std::string_view (&names)[kCount]) {
    std::array<std::string, kCount> values;
    doc_.into_elem();
    for (std::size_t i = 0; i < kCount; ++i) {
      std::optional<std::string> value = find(names[i]);
      if (!value) {
        doc_.out_of_elem();
        return std::nullopt;
      }
      values[i] = std::move(*value);
    }
    doc_.out_of_elem();
    return values;
  }

  bool read_edit(EditKind kind, PhotoItem& photo) {
    switch (kind) {
      case EditKind::kText: {
        const auto values = read_children(element::kTextChildren);
        if (!values) return false;
        const auto& v = *values;
        TextOverlay text;
        text.text = v[0];
        text.x = parse_int(v[1]);
        text.y = parse_int(v[2]);
        text.cx = parse_int(v[3]);
        text.cy = parse_int(v[4]);
        text.set_font_name(utf8_prefix(v[5], kStoredFontNameCharacters));
        text.font_height = parse_int(v[6]);
        text.font_color = static_cast<std::uint32_t>(std::clamp(parse_int(v[7]), 0, 0xFFFFFF));
        text.italic = static_cast<std::uint8_t>(std::clamp(parse_int(v[8]), 0, 255));
        text.font_weight = parse_int(v[9]);
        photo.append_edit(std::move(text));
        return true;
      }
      case EditKind::kImage: {
        const auto values = read_children(element::kImageChildren);
        if (!values) return false;
        const auto& v = *values;
        photo.append_edit(PictureOverlay{v[0], parse_int(v[1]), parse_int(v[2]), parse_int(v[3]),
                                         parse_int(v[4])});
        return true;
      }
      case EditKind::kCrop: {
        const auto values = read_children(element::kCropChildren);
        if (!values) return false;
        const auto& v = *values;
        photo.append_edit(
            CropArea{parse_int(v[0]), parse_int(v[1]), parse_int(v[2]), parse_int(v[3])});
        return true;
      }
      case EditKind::kRotateLeft90:
        photo.append_edit(RotateLeft90{});
        return true;
      case EditKind::kRotateRight90:
        photo.append_edit(RotateRight90{});
        return true;
      case EditKind::kRotate180:
        photo.append_edit(Rotate180{});
        return true;
      case EditKind::kFlipHorizontally:
        photo.append_edit(FlipHorizontally{});
        return true;
      case EditKind::kFlipVertically:
        photo.append_edit(FlipVertically{});
        return true;
    }
    return true;
  }

  Project& project_;
  XmlDocument& doc_;
  std::vector<std::string> missing_photos_;
  bool limit_shown_ = false;  // a slideshow past the limit was refused with the message
  int cover_index_ = 0;       // of the slideshow being read
};

}  // namespace

Status load_project(Project& project) {
  const fs::path& path = project.preferences.project_path;
  std::error_code error;
  const std::uintmax_t size = fs::file_size(path, error);
  if (error) return Failure{error.message()};
  if (size > kMaxFileBytes)
    return Failure{QT_TRANSLATE_NOOP("Engine", "it is far too large to be a project file")};
  const std::optional<XmlFileText> file = read_xml_file(path);
  if (!file) return Failure{QT_TRANSLATE_NOOP("Engine", "it cannot be read")};
  XmlDocument doc;
  if (!doc.set_doc(file->text)) return Failure{kNoProjectFile};
  ProjectReader reader(project, doc);
  const Status read = reader.read();
  for (const std::string& photo : reader.missing_photos())
    write_log("photo file not found, kept as missing: " + photo);
  return read;
}

Status open_project(Project& project, const fs::path& file) {
  KeptProject kept(project);
  project.preferences.project_path = file;
  Status opened = load_project(project);
  if (!opened) {
    kept.put_back();
    return opened;
  }
  project.modified = false;
  clear_unsaved();
  project.update_totals();
  return {};
}

}  // namespace pictavo
