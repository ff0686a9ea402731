// Saving the project file.
#include <array>
#include <span>
#include <string>
#include <type_traits>

#include "base/atomic_file.h"
#include "base/xml_document.h"
#include "base/xml_file.h"
#include "model/project.h"
#include "model/project_elements.h"
#include "model/project_file.h"
#include "model/project_messages.h"
#include "model/unsaved_changes.h"

namespace pictavo {
namespace {

namespace element = project_element;

// Adds an element holding `names`[i] = `values`[i] for each child, in order.
void add_parent(XmlDocument& doc, std::string_view name, std::span<const std::string_view> names,
                std::span<const std::string> values) {
  doc.add_elem(name);
  doc.into_elem();
  for (std::size_t i = 0; i < names.size(); ++i)
    doc.add_elem(names[i], values[i]);
  doc.out_of_elem();
}

void write_edit(XmlDocument& doc, const EditItem& edit) {
  const std::string_view name = edit_element_name(edit_kind(edit));
  std::visit(
      [&](const auto& item) {
        using Item = std::decay_t<decltype(item)>;
        using std::to_string;
        if constexpr (std::is_same_v<Item, TextOverlay>) {
          const std::array<std::string, 10> values{item.text,
                                                   to_string(item.x),
                                                   to_string(item.y),
                                                   to_string(item.cx),
                                                   to_string(item.cy),
                                                   item.font_name,
                                                   to_string(item.font_height),
                                                   to_string(item.font_color),
                                                   to_string(item.italic),
                                                   to_string(item.font_weight)};
          add_parent(doc, name, element::kTextChildren, values);
        } else if constexpr (std::is_same_v<Item, PictureOverlay>) {
          const std::array<std::string, 5> values{item.image_name, to_string(item.x),
                                                  to_string(item.y), to_string(item.cx),
                                                  to_string(item.cy)};
          add_parent(doc, name, element::kImageChildren, values);
        } else if constexpr (std::is_same_v<Item, CropArea>) {
          const std::array<std::string, 4> values{to_string(item.left), to_string(item.top),
                                                  to_string(item.right), to_string(item.bottom)};
          add_parent(doc, name, element::kCropChildren, values);
        } else {
          doc.add_elem(name);
        }
      },
      edit);
}

void write_adjustments(XmlDocument& doc, const PhotoItem& photo) {
  doc.add_elem(element::kAdjustments);
  const std::pair<std::string_view, int> adjustments[] = {{element::kBrightness, photo.brightness},
                                                          {element::kContrast, photo.contrast},
                                                          {element::kSharpen, photo.sharpen_times},
                                                          {element::kSoften, photo.soften_times}};
  doc.into_elem();
  for (const auto& [name, value] : adjustments) {
    if (value > 0) doc.add_elem(name, std::to_string(value));
  }
  doc.out_of_elem();
}

void write_setting(XmlDocument& doc, const PhotoSetting& setting) {
  doc.add_elem(element::kSetting);
  doc.into_elem();
  doc.add_elem(element::kTvSystem, std::to_string(setting.tv_system));
  doc.add_elem(element::kWorkingFolder, setting.working_folder.string());
  doc.add_elem(element::kTempFolder, setting.temp_folder.string());
  doc.add_elem(element::kOutputFolder, setting.output_folder.string());
  const EffectRecord& effect = setting.effect;
  doc.add_elem(element::kEffect);
  doc.into_elem();
  doc.add_elem(element::kDisplaySeconds, std::to_string(effect.display_seconds));
  doc.add_elem(element::kImageEffect, std::to_string(static_cast<int>(effect.image_effect)));
  doc.add_elem(element::kCategory, std::to_string(static_cast<int>(effect.category)));
  doc.add_elem(element::kTransitionSeconds, std::to_string(effect.transition_seconds));
  effect.transition().write_xml(doc);
  doc.out_of_elem();
  doc.out_of_elem();
}

void write_photo(XmlDocument& doc, const PhotoItem& photo) {
  doc.add_elem(element::kPhoto);
  doc.into_elem();
  doc.add_elem(element::kSourceFile, photo.source_path.string());
  doc.add_elem(element::kPreparedFile, photo.prepared_path.string());
  write_setting(doc, photo.setting);
  write_adjustments(doc, photo);
  for (const EditItem& edit : photo.edits)
    write_edit(doc, edit);
  if (!photo.caption.empty()) doc.add_elem(element::kCaption, photo.caption);
  doc.out_of_elem();
}

void write_slideshow(XmlDocument& doc, const Slideshow& slideshow) {
  doc.add_elem(element::kSlideshow);
  doc.into_elem();
  doc.add_elem(element::kName, slideshow.name());
  doc.add_elem(element::kCoverIndex, std::to_string(slideshow.cover_index));
  for (const auto& track : slideshow.tracks) {
    doc.add_elem(element::kAudio);
    doc.into_elem();
    doc.add_elem(element::kAudioFile, track->source_path().string());
    doc.out_of_elem();
  }
  for (const auto& photo : slideshow.photos)
    write_photo(doc, *photo);
  const SlideshowCaptions& captions = slideshow.captions;
  if (captions.automatic != AutoCaption::kNone)
    doc.add_elem(element::kAutoCaption, std::string(auto_caption_word(captions.automatic)));
  if (captions.placement == CaptionPlacement::kTop)
    doc.add_elem(element::kCaptionPlacement, std::string(element::kCaptionAtTop));
  doc.out_of_elem();
}

std::string project_text(const Project& project) {
  XmlDocument doc;
  doc.add_elem(element::kRoot);
  doc.into_elem();
  doc.add_elem(element::kPreferenceFile, project.preferences.preferences_path.string());
  doc.add_elem(element::kWorkingPath, project.preferences.working_folder.string());
  doc.add_elem(element::kTempPath, project.default_setting.temp_folder.string());
  doc.add_elem(element::kOutputPath, project.default_setting.output_folder.string());
  doc.add_elem(element::kSlideshows);
  doc.into_elem();
  for (const auto& slideshow : project.slideshows)
    write_slideshow(doc, *slideshow);
  doc.out_of_elem();
  doc.add_elem(element::kMenu);
  doc.out_of_elem();
  return doc.get_doc();
}

Status write(Project& project) {
  remove_leftover_temporaries(project.preferences.project_path.parent_path());
  Status written = write_xml_file(project.preferences.project_path, project_text(project));
  if (!written) return written;
  project.modified = false;
  clear_unsaved();
  return {};
}

}  // namespace

bool save_project(Project& project) {
  if (!project.has_changes()) return false;
  const Status written = write(project);
  project.front_end.show(
      written ? saved_message(project.preferences.project_path)
              : save_failed_message(project.preferences.project_path, written.reason()));
  return static_cast<bool>(written);
}

Status save_project_silently(Project& project) {
  if (!project.has_changes()) return {};
  return write(project);
}

}  // namespace pictavo
