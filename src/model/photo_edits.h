#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/result.h"
#include "image/image.h"
#include "model/photo_item.h"
#include "model/photo_preparation.h"

// Making a photo's edited picture from its edit list.
//
// The edit list describes the prepared picture starting from the user's own file:
// the picture editor's records, whose coordinates are pixels of the editor's
// display (the source fitted into the editing area), followed by the quick
// rotations made since. The editor always starts from the source file, so one
// scale, taken from the source's size, turns every coordinate of the list into
// picture pixels; crops and quarter turns that come before a record do not change
// that scale.
namespace pictavo {

// The picture editor shows a photo fitted into an area of this size.
inline constexpr int kEditingAreaWidth = 660;
inline constexpr int kEditingAreaHeight = 480;
// A decoration is this many display pixels square unless its record gives a size.
inline constexpr int kDecorationSize = 60;

// Soften and sharpen passes beyond this many are not applied: the editor's slider
// counts at most this many steps either way.
inline constexpr int kMaxFilterPasses = 20;

// Picture pixels per display pixel for a source of this size: the source fitted
// into the editing area and never enlarged, so the scale is at least 1.
double editing_scale(int width, int height);

// The four adjustments a photo keeps beside its edit list.
struct PictureAdjustments {
  int brightness = 0;
  int contrast = 0;
  int soften_times = 0;
  int sharpen_times = 0;
  bool operator==(const PictureAdjustments&) const = default;
};

// The decoration picture an overlay names: a file of `folder` or of one of its
// subfolders (in name order), or an absolute path; nothing when there is none.
std::optional<std::filesystem::path> find_decoration(const std::string& name,
                                                     const std::filesystem::path& folder);

// Brightness and contrast, then the soften and then the sharpen passes, each held
// to its bounds. False when memory runs out.
bool adjust_picture(Image& picture, const PictureAdjustments& adjustments);

// Applies one edit record whose coordinates are display pixels, `scale` picture
// pixels each: the picture editor replays records on its display at scale 1. An
// overlay whose decoration cannot be found or decoded is left out. False when a
// crop leaves no pixels or memory runs out.
bool apply_photo_edit(Image& picture, const EditItem& edit, double scale,
                      const std::filesystem::path& decorations);

// Applies the photo's edits to `picture`, its source at full size, in list order:
// crops, quarter and half turns, flips and mirrors; then, before the first text or
// picture overlay (or at the end), brightness and contrast and the soften and
// sharpen passes; then the overlays. A picture overlay names a file in
// `decorations` or one of its subfolders (or an absolute path); one that cannot be
// found or decoded is left out. Fails when a crop leaves no pixels or memory runs
// out; the picture is then half edited.
Status apply_photo_edits(Image& picture, const PhotoItem& photo,
                         const std::filesystem::path& decorations);

// Makes the photo's edited picture: its source with every edit applied, written as
// a 24-bit BMP (translucent pixels laid over black, as the renderers show them)
// to edited_picture_path, which becomes the photo's prepared picture; a file that
// `taken` names is never written. A photo without edits and adjustments is
// rendered from its source again. On failure (also when the edited picture would
// replace the user's own file) the photo and its prepared picture stay as they
// were.
Status prepare_edited_photo(PhotoItem& photo, const std::filesystem::path& working_folder,
                            const std::filesystem::path& decorations, const TakenPicture& taken);

}  // namespace pictavo
