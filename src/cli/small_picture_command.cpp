// The "thm" and "cover" commands: the two small pictures of a photo.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "image/image_file.h"
#include "image/image_format.h"
#include "image/small_pictures.h"

namespace pictavo::cli {
namespace {

// What `thm` and `cover` differ in.
struct SmallPictureKind {
  const char* command;
  Result<Image> (*make)(const std::filesystem::path& photo);
  Placement (*place)(int photo_width, int photo_height);
  ImageFormat format;  // of the written file, unless its extension names another type
  bool format_by_extension;
};

// Runs "COMMAND PHOTO -o OUT": makes the small picture of the photo, writes it and
// says where the photo was drawn.
int write_small_picture(Arguments& args, const SmallPictureKind& kind) {
  const std::optional<std::string> out = args.take_value("-o");
  const std::vector<std::string> photos = args.finish();
  if (!out || photos.size() != 1) throw UsageError{"give one photo and -o OUT"};
  const std::string& photo = photos.front();

  ImageFormat format = kind.format;
  if (kind.format_by_extension && image_type_of(*out) != ImageFormat::kUnknown) {
    format = image_type_of(*out);
  }
  const Result<Image> picture = kind.make(photo);
  if (!picture) {
    std::fprintf(stderr, "pictavo-cli %s: %s: %s\n", kind.command, photo.c_str(),
                 picture.reason().c_str());
    return 1;
  }
  const Status saved = save_image(*picture, *out, format);
  if (!saved) {
    std::fprintf(stderr, "pictavo-cli %s: %s\n", kind.command, saved.reason().c_str());
    return 1;
  }
  const Result<ImageInfo> info = probe_image_file(photo, image_type_of(photo));
  const Placement place = info ? kind.place(info->width, info->height) : Placement{};
  std::printf("%s: %d x %d %.*s; the %d x %d photo drawn %d x %d at (%d, %d)\n", out->c_str(),
              picture->width(), picture->height(), static_cast<int>(format_name(format).size()),
              format_name(format).data(), info ? info->width : 0, info ? info->height : 0,
              place.width, place.height, place.x, place.y);
  return 0;
}

}  // namespace

int run_thm(Arguments& args) {
  return write_small_picture(args, {"thm", make_thm_picture, thm_placement, ImageFormat::kJpeg,
                                    /*format_by_extension=*/false});
}

int run_cover(Arguments& args) {
  return write_small_picture(args, {"cover", make_cover_picture, cover_placement, ImageFormat::kBmp,
                                    /*format_by_extension=*/true});
}

}  // namespace pictavo::cli
