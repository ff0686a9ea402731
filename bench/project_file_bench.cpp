// Saving and loading a project of 2,000 small photos on disk, against reading the
// same file with pugixml and probing the same photos with the image layer: the
// work a load cannot avoid.
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <pugixml.hpp>
#include <string>

#include "image/image.h"
#include "image/image_file.h"
#include "model/project.h"
#include "model/project_file.h"
#include "ratio.h"

namespace {

namespace fs = std::filesystem;
using namespace pictavo;

constexpr int kPhotos = 2000;

fs::path make_folder() {
  std::string pattern = (fs::temp_directory_path() / "pictavo-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) std::abort();
  ::setenv("PICTAVO_HOME", pattern.c_str(), 1);
  return pattern;
}

// 2,000 JPEG photos of 160 × 120 in `folder`.
void make_photos(const fs::path& folder) {
  std::optional<Image> picture = Image::create(160, 120, 24);
  for (int y = 0; y < picture->height(); ++y) {
    for (int x = 0; x < picture->width() * 4; ++x)
      picture->row(y)[x] = static_cast<std::uint8_t>(x * 7 + y * 3);
  }
  for (int i = 0; i < kPhotos; ++i) {
    if (!save_image(*picture, folder / ("IMG_" + std::to_string(i) + ".jpg"), ImageFormat::kJpeg))
      std::abort();
  }
}

std::unique_ptr<Project> empty_project(const fs::path& home, const fs::path& file) {
  auto project = std::make_unique<Project>(home);
  project->preferences.set_program_folder(home, home);
  project->preferences.project_path = file;
  return project;
}

// The photos in slideshows of `per_slideshow` each.
std::unique_ptr<Project> built_project(const fs::path& home, int per_slideshow) {
  auto project = empty_project(home, home / "bench.prg");
  for (int i = 0; i < kPhotos; ++i) {
    if (i % per_slideshow == 0) project->add_slideshow("Show " + std::to_string(i));
    project->slideshows.back()->add_photo(home / ("IMG_" + std::to_string(i) + ".jpg"),
                                          project->default_setting);
  }
  return project;
}

// The project file as pugixml reads it: the same bytes with the spaces of the five
// element names that contain one made "_" (to an XML parser the word after the
// space is an attribute without a value).
fs::path peer_copy(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  for (const std::string name :
       {"Preference File", "Working Path", "Temp Path", "OutPut Path", "cover index"}) {
    std::string joined = name;
    joined[joined.find(' ')] = '_';
    for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at))
      text.replace(at, name.size(), joined);
  }
  const fs::path copy = fs::path(file).replace_extension(".xml");
  std::ofstream(copy, std::ios::binary) << text;
  return copy;
}

int peer_load(const fs::path& file) {
  pugi::xml_document doc;
  if (!doc.load_file(file.c_str())) std::abort();
  int decodable = 0;
  for (const pugi::xml_node show : doc.child("mivodvd").child("mivoslideshows").children()) {
    for (const pugi::xml_node pic : show.children("pic")) {
      const fs::path path = pic.child_value("strOriginalFile");
      decodable += static_cast<bool>(probe_image_file(path, image_type_of(path)));
    }
  }
  return decodable;
}

void measure(const fs::path& home, int per_slideshow) {
  std::unique_ptr<Project> project = built_project(home, per_slideshow);
  const double save = bench::best_seconds(5, [&] {
    project->modified = true;
    if (!save_project_silently(*project)) std::abort();
  });
  int photos = 0;
  const double load = bench::best_seconds(5, [&] {
    std::unique_ptr<Project> loaded = empty_project(home, home / "bench.prg");
    if (!load_project(*loaded)) std::abort();
    photos = loaded->photo_count();
  });
  const fs::path peer_file = peer_copy(home / "bench.prg");
  int probed = 0;
  const double peer = bench::best_seconds(5, [&] { probed = peer_load(peer_file); });
  if (photos != kPhotos || probed != kPhotos) std::abort();

  std::printf(
      "%d photos in slideshows of %d (%.0f KB file): save %.1f us/photo, load %.1f us/photo\n",
      kPhotos, per_slideshow, static_cast<double>(fs::file_size(home / "bench.prg")) / 1024,
      save * 1e6 / kPhotos, load * 1e6 / kPhotos);
  const std::string what = "load, slideshows of " + std::to_string(per_slideshow);
  bench::report(what.c_str(), load, "pugi+probe", peer);
}

}  // namespace

int main() {
  const fs::path home = make_folder();
  make_photos(home);
  measure(home, 200);
  measure(home, kPhotos);
  fs::remove_all(home);
  return 0;
}
