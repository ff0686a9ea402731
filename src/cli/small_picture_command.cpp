// The "thm" and "cover" commands: the two small pictures of photos.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <set>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "base/free_name.h"
#include "cli/commands.h"
#include "image/image_file.h"
#include "image/image_format.h"
#include "image/small_pictures.h"

namespace pictavo::cli {
namespace {

namespace fs = std::filesystem;

// What `thm` and `cover` differ in.
struct SmallPictureKind {
  const char* command;
  Result<Image> (*make)(const fs::path& photo);
  Placement (*place)(int photo_width, int photo_height);
  ImageFormat format;  // of the written file, unless its extension names another type
  bool format_by_extension;
  const char* folder_extension;  // of the files written into a folder
};

// One photo's small picture: what to print on stdout, or the failure for stderr.
struct Made {
  std::string line;
  std::string failure;
};

Made make_small_picture(const SmallPictureKind& kind, const fs::path& photo, const fs::path& out) {
  ImageFormat format = kind.format;
  if (kind.format_by_extension && image_type_of(out) != ImageFormat::kUnknown) {
    format = image_type_of(out);
  }
  const Result<Image> picture = kind.make(photo);
  if (!picture) return {{}, photo.string() + ": " + picture.reason()};
  const Status saved = save_image(*picture, out, format);
  if (!saved) return {{}, saved.reason()};
  const Result<ImageInfo> info = probe_image_file(photo, image_type_of(photo));
  const Placement place = info ? kind.place(info->width, info->height) : Placement{};
  char line[160];
  std::snprintf(line, sizeof line, ": %d x %d %.*s; the %d x %d photo drawn %d x %d at (%d, %d)",
                picture->width(), picture->height(), static_cast<int>(format_name(format).size()),
                format_name(format).data(), info ? info->width : 0, info ? info->height : 0,
                place.width, place.height, place.x, place.y);
  return {out.string() + line, {}};
}

// Where each photo's picture goes in `folder`: its name with the kind's extension,
// numbered when two photos share a name.
std::vector<fs::path> targets_in(const fs::path& folder, const std::vector<std::string>& photos,
                                 const SmallPictureKind& kind) {
  std::vector<fs::path> targets;
  std::set<fs::path> taken;
  for (const std::string& photo : photos) {
    const fs::path wanted = folder / (fs::path(photo).stem().string() + kind.folder_extension);
    targets.push_back(
        free_name(wanted, [&taken](const fs::path& path) { return taken.contains(path); }));
    taken.insert(targets.back());
  }
  return targets;
}

// Makes every picture, on as many threads as the computer has cores, and gives
// the results in the photos' order.
std::vector<Made> make_all(const SmallPictureKind& kind, const std::vector<std::string>& photos,
                           const std::vector<fs::path>& targets) {
  std::vector<Made> made(photos.size());
  std::atomic<std::size_t> next{0};
  const auto work = [&] {
    for (std::size_t i = next++; i < photos.size(); i = next++)
      made[i] = make_small_picture(kind, photos[i], targets[i]);
  };
  const std::size_t threads =
      std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), photos.size());
  std::vector<std::thread> workers;
  for (std::size_t i = 1; i < threads; ++i)
    workers.emplace_back(work);
  work();
  for (std::thread& worker : workers)
    worker.join();
  return made;
}

// Runs "COMMAND PHOTO -o OUT" (one picture) or "COMMAND PHOTO... -o FOLDER" (one
// picture a photo, into the folder): makes the small pictures, writes them and says
// where each photo was drawn.
int write_small_pictures(Arguments& args, const SmallPictureKind& kind) {
  const std::optional<std::string> out = args.take_value("-o");
  const std::vector<std::string> photos = args.finish();
  if (!out || photos.empty()) throw UsageError{"give photos and -o OUT (a folder for several)"};
  std::error_code error;
  const bool into_folder = photos.size() > 1 || fs::is_directory(*out, error);
  if (into_folder && !fs::is_directory(*out, error)) {
    std::fprintf(stderr, "pictavo-cli %s: %s is not a folder\n", kind.command, out->c_str());
    return 1;
  }
  const std::vector<fs::path> targets =
      into_folder ? targets_in(*out, photos, kind) : std::vector<fs::path>{*out};
  int status = 0;
  for (const Made& made : make_all(kind, photos, targets)) {
    if (made.failure.empty()) {
      std::printf("%s\n", made.line.c_str());
    } else {
      std::fprintf(stderr, "pictavo-cli %s: %s\n", kind.command, made.failure.c_str());
      status = 1;
    }
  }
  return status;
}

}  // namespace

int run_thm(Arguments& args) {
  return write_small_pictures(args, {"thm", make_thm_picture, thm_placement, ImageFormat::kJpeg,
                                     /*format_by_extension=*/false, ".THM"});
}

int run_cover(Arguments& args) {
  return write_small_pictures(args, {"cover", make_cover_picture, cover_placement,
                                     ImageFormat::kBmp, /*format_by_extension=*/true, ".bmp"});
}

}  // namespace pictavo::cli
