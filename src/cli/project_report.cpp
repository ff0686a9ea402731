#include "cli/project_report.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <variant>

#include "base/clock_seconds.h"
#include "effects/image_effect.h"
#include "effects/transition_params.h"
#include "model/frame_count.h"
#include "model/project.h"

namespace pictavo::cli {
namespace {

std::string transition_text(const TransitionParams& transition) {
  std::string text(display_name(transition.type()));
  const TransitionForm& form = transition.form();
  if (form.parameter_count >= 1) {
    text += " (" + std::string(form.p1.label) + " " + std::to_string(transition.p1());
    if (form.parameter_count == 2) {
      text += ", " + std::string(form.p2.label) + " " + std::to_string(transition.p2());
    }
    text += ")";
  }
  return text;
}

std::string motion_text(const EffectRecord& effect) {
  std::string name(display_name(effect.image_effect));
  if (name.empty()) name = "#" + std::to_string(static_cast<int>(effect.image_effect));
  return name;
}

std::string edit_text(const EditItem& edit) {
  if (const auto* text = std::get_if<TextOverlay>(&edit)) return "text \"" + text->text + "\"";
  if (const auto* picture = std::get_if<PictureOverlay>(&edit)) {
    return "picture " + picture->image_name;
  }
  if (const auto* crop = std::get_if<CropArea>(&edit)) {
    return "crop " + std::to_string(crop->left) + "," + std::to_string(crop->top) + "-" +
           std::to_string(crop->right) + "," + std::to_string(crop->bottom);
  }
  return std::string(edit_element_name(edit_kind(edit)));
}

void print_photo_details(const PhotoItem& photo, const SlideshowCaptions& captions) {
  if (photo.prepared_path != photo.source_path) {
    std::printf("       prepared: %s\n", photo.prepared_path.c_str());
  }
  std::string edits;
  for (const EditItem& edit : photo.edits)
    edits += (edits.empty() ? "" : ", ") + edit_text(edit);
  if (!edits.empty()) std::printf("       edits: %s\n", edits.c_str());
  if (photo.brightness > 0 || photo.contrast > 0 || photo.sharpen_times > 0 ||
      photo.soften_times > 0) {
    std::printf("       brightness %d, saturation %d, sharpen %d, soften %d\n", photo.brightness,
                photo.contrast, photo.sharpen_times, photo.soften_times);
  }
  const std::string caption = photo_caption(photo, captions.automatic);
  if (!caption.empty()) std::printf("       caption: %s\n", caption.c_str());
}

// "1 photo", "2 photos".
std::string count_text(std::size_t count, const char* noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace

void print_slideshow(const Slideshow& slideshow, float frame_rate) {
  std::printf("Slideshow %d \"%s\": %s, %s (%d frames), cover photo %d\n", slideshow.number + 1,
              slideshow.name().c_str(), count_text(slideshow.photos.size(), "photo").c_str(),
              ClockSeconds(slideshow.length_seconds()).text().c_str(),
              frame_at(slideshow.length_seconds(), frame_rate), slideshow.cover_index + 1);
  const SlideshowCaptions& captions = slideshow.captions;
  if (captions.automatic != AutoCaption::kNone || captions.placement == CaptionPlacement::kTop) {
    std::printf("  Captions: automatic %s, at the %s\n",
                std::string(auto_caption_word(captions.automatic)).c_str(),
                captions.placement == CaptionPlacement::kTop ? "top" : "bottom");
  }
  std::printf("  Music:%s\n", slideshow.tracks.empty() ? " none" : "");
  int position = 0;
  for (const auto& track : slideshow.tracks) {
    std::printf("    %2d  start %s  length %s  %s\n", ++position, track->start.text().c_str(),
                track->duration().text().c_str(), track->source_path().c_str());
  }
  std::puts("  Photos:");
  position = 0;
  for (const auto& photo : slideshow.photos) {
    const EffectRecord& effect = photo->setting.effect;
    std::printf("    %2d  start %s  shown %d s  transition %d s %s  motion %s  %s\n", ++position,
                photo->start.text().c_str(), effect.display_seconds, effect.transition_seconds,
                transition_text(effect.transition()).c_str(), motion_text(effect).c_str(),
                photo->source_path.c_str());
    print_photo_details(*photo, captions);
  }
}

void print_project(const Project& project) {
  const float rate = project.video_frame_rate();
  std::printf("Project %s\n", project.preferences.project_path.c_str());
  std::printf("  %s, %s, %s (%d frames at %.2f frames/s)",
              count_text(project.slideshows.size(), "slideshow").c_str(),
              count_text(static_cast<std::size_t>(project.photo_count()), "photo").c_str(),
              ClockSeconds(project.total_seconds()).text().c_str(), project.total_frames,
              static_cast<double>(rate));
  if (const OutputProfile* profile = project.profiles.current_profile()) {
    std::printf(", estimated %.2f MB as %s", static_cast<double>(project.estimated_mb),
                profile->desc_l.c_str());
  }
  std::puts("");
  for (const auto& slideshow : project.slideshows) {
    std::puts("");
    print_slideshow(*slideshow, rate);
  }
}

}  // namespace pictavo::cli
