#include "model/photo_preparation.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <system_error>

#include "base/atomic_file.h"
#include "base/free_name.h"
#include "image/image_file.h"
#include "image/image_format.h"
#include "image/image_limits.h"
#include "image/small_pictures.h"
#include "image/transform.h"
#include "model/project.h"
#include "model/unsaved_changes.h"

namespace pictavo {
namespace {

// A quick rotation re-encodes the photo; at this quality turning a JPEG back and
// forth a few times does not visibly wear it.
constexpr int kRotatedJpegQuality = 90;

// The phone formats have no writer here: their turned copies are JPEG, which the
// readers recognise whatever the name says.
ImageFormat turned_copy_format(ImageFormat stored) {
  return stored == ImageFormat::kHeif || stored == ImageFormat::kWebp ? ImageFormat::kJpeg : stored;
}

// The photo's copy named `name` in the temp folder: the copy of that form it has
// (same extension) unless another photo took it, else the first free variant.
std::filesystem::path prepared_copy_path(const PhotoItem& photo,
                                         const std::filesystem::path& working_folder,
                                         const std::string& name, const TakenPicture& taken) {
  const auto is_taken = [&taken](const std::filesystem::path& path) {
    return taken && taken(path);
  };
  const std::filesystem::path wanted = working_folder / "temp" / name;
  const std::filesystem::path& current = photo.prepared_path;
  if (current != photo.source_path && same_file(current.parent_path(), wanted.parent_path()) &&
      current.extension() == wanted.extension() && !is_taken(current)) {
    return current;
  }
  return free_name(wanted, is_taken);
}

int rotate_prepared(PhotoItem& photo, const std::filesystem::path& working_folder,
                    const TakenPicture& taken, bool (*turn)(Image&)) {
  const ImageFormat named = image_type_of(photo.prepared_path);
  if (named == ImageFormat::kUnknown || !is_plain_file_name(photo.file_name)) return -1;
  const std::filesystem::path target = rotated_picture_path(photo, working_folder, taken);
  if (same_file(target, photo.source_path)) return -1;

  Result<Image> picture = load_image(photo.prepared_path, named);
  if (!picture || !turn(*picture)) return -1;
  EncodeOptions options;
  options.jpeg_quality = kRotatedJpegQuality;
  const Result<Bytes> bytes =
      encode_image(*picture, turned_copy_format(picture->origin().format), options);
  if (!bytes) return -1;

  std::error_code ignored;
  std::filesystem::create_directories(target.parent_path(), ignored);
  const std::string_view view(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  if (!write_file_atomically(target, view)) return -1;
  photo.prepared_path = target;
  return 0;
}

// Saves a small picture, or a picture of the background colour when the photo
// did not decode. True only when the photo's picture was written.
bool save_small_picture(const Result<Image>& made, int width, int height, RgbQuad background,
                        const std::filesystem::path& path, ImageFormat format) {
  if (made) return static_cast<bool>(save_image(*made, path, format));
  const std::optional<Image> blank = solid_picture(width, height, background);
  if (blank) save_image(*blank, path, format);
  return false;
}

}  // namespace

bool same_file(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) || a.lexically_normal() == b.lexically_normal();
}

TakenPicture pictures_of_other_photos(const Project& project, const PhotoItem& photo) {
  return [&project, &photo](const std::filesystem::path& path) {
    const std::filesystem::path plain = path.lexically_normal();
    for (const auto& slideshow : project.slideshows) {
      for (const auto& other : slideshow->photos) {
        if (other.get() != &photo && (other->source_path.lexically_normal() == plain ||
                                      other->prepared_path.lexically_normal() == plain)) {
          return true;
        }
      }
    }
    return false;
  };
}

bool is_plain_file_name(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         std::filesystem::path(name).filename() == name;
}

std::filesystem::path rotated_picture_path(const PhotoItem& photo,
                                           const std::filesystem::path& working_folder,
                                           const TakenPicture& taken) {
  return prepared_copy_path(photo, working_folder, photo.file_name, taken);
}

std::filesystem::path edited_picture_path(const PhotoItem& photo,
                                          const std::filesystem::path& working_folder,
                                          const TakenPicture& taken) {
  return prepared_copy_path(photo, working_folder, photo.file_name + ".bmp", taken);
}

int rotate_prepared_left(PhotoItem& photo, const std::filesystem::path& working_folder,
                         const TakenPicture& taken) {
  return rotate_prepared(photo, working_folder, taken, rotate_left);
}

int rotate_prepared_right(PhotoItem& photo, const std::filesystem::path& working_folder,
                          const TakenPicture& taken) {
  return rotate_prepared(photo, working_folder, taken, rotate_right);
}

int quarter_turn_photo(PhotoItem& photo, QuarterTurn turn,
                       const std::filesystem::path& working_folder, const TakenPicture& taken) {
  if (turn == QuarterTurn::kLeft) {
    if (rotate_prepared_left(photo, working_folder, taken) != 0) return -1;
    photo.append_edit(RotateLeft90{});
  } else {
    if (rotate_prepared_right(photo, working_folder, taken) != 0) return -1;
    photo.append_edit(RotateRight90{});
  }
  photo.thumbnail.reset();
  mark_unsaved();
  return 0;
}

bool can_decode_photo(const std::filesystem::path& path) {
  const Result<ImageInfo> info = probe_image_file(path, image_type_of(path));
  return info && image_size_refusal(info->width, info->height).empty();
}

bool write_cover_picture(const PhotoItem& photo, const std::filesystem::path& path) {
  return save_small_picture(make_cover_picture(photo.prepared_path), kCoverWidth, kCoverHeight,
                            rgb(255, 255, 255), path, ImageFormat::kBmp);
}

std::filesystem::path thm_path(const Slideshow& slideshow, const std::filesystem::path& folder) {
  return folder / (slideshow.file_base() + ".THM");
}

namespace {

// The slideshow's cover photo, its cover index held to the photos there are.
const PhotoItem& cover_photo(const Slideshow& slideshow) {
  const int last = static_cast<int>(slideshow.photos.size()) - 1;
  return *slideshow.photos[static_cast<std::size_t>(std::clamp(slideshow.cover_index, 0, last))];
}

}  // namespace

bool write_thm(const Slideshow& slideshow, const std::filesystem::path& folder) {
  if (slideshow.photos.empty()) return false;
  return save_small_picture(make_thm_picture(cover_photo(slideshow).prepared_path), kThmWidth,
                            kThmHeight, rgb(0, 0, 0), thm_path(slideshow, folder),
                            ImageFormat::kJpeg);
}

std::filesystem::path video_cover_path(const Slideshow& slideshow,
                                       const std::filesystem::path& folder) {
  return folder / (slideshow.file_base() + ".jpg");
}

bool write_video_cover(const Slideshow& slideshow, const std::filesystem::path& folder, int width,
                       int height) {
  if (slideshow.photos.empty()) return false;
  return save_small_picture(
      make_video_cover_picture(cover_photo(slideshow).prepared_path, width, height), width, height,
      rgb(0, 0, 0), video_cover_path(slideshow, folder), ImageFormat::kJpeg);
}

}  // namespace pictavo
