// Filling the thumbnail list with the thumbnails of 1,000 camera-sized JPEGs
// against vipsthumbnail making the same thumbnails of the same files, in the same
// run. Also reports how long placeholders take to show, the longest stall of the
// event loop while the thumbnails load and the memory the list grew by.
// Usage: thumbnail_list_bench [PHOTOS] (1,000 by default; 50 distinct photos are
// written to /tmp and linked under further names).
#include <stdlib.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "camera_photos.h"
#include "edit/edit_history.h"
#include "model/project.h"
#include "model/slideshow.h"
#include "peer_command.h"
#include "ratio.h"
#include "ui/widgets/thumbnail_list.h"
#include "ui/widgets/thumbnail_sizes.h"

namespace {

namespace fs = std::filesystem;

constexpr int kDistinctPhotos = 50;

// The resident memory of the process, in kB.
long resident_kb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

std::vector<fs::path> link_photos(const std::vector<fs::path>& distinct, const fs::path& folder,
                                  int count) {
  std::vector<fs::path> photos;
  for (int i = 0; i < count; ++i) {
    const fs::path link = folder / ("PIC_" + std::to_string(10000 + i) + ".JPG");
    fs::create_hard_link(distinct[static_cast<std::size_t>(i) % distinct.size()], link);
    photos.push_back(link);
  }
  return photos;
}

}  // namespace

int main(int argc, char** argv) {
  using pictavo::bench::best_seconds;
  using pictavo::bench::report;
  const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  std::string pattern = (fs::temp_directory_path() / "pictavo-list-bench-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) return 1;
  const fs::path folder = pattern;
  fs::create_directories(folder / "distinct");
  fs::create_directories(folder / "photos");
  fs::create_directories(folder / "out");
  std::printf("writing %d photos, linked as %d, into %s ...\n", kDistinctPhotos, count,
              folder.c_str());
  const std::vector<fs::path> photos =
      link_photos(pictavo::bench::write_camera_photos(folder / "distinct", kDistinctPhotos),
                  folder / "photos", count);

  pictavo::Project project(folder);
  pictavo::EditHistory history(project);
  project.add_slideshow("Bench");
  pictavo::Slideshow& slideshow = *project.slideshows.back();
  for (const fs::path& photo : photos)
    slideshow.add_photo(photo, pictavo::PhotoSetting{});

  pictavo::ThumbnailList list(history, folder / "no default image");
  list.resize(616, 362);
  list.show();
  QApplication::processEvents();

  // The event loop's heartbeat: the longest gap between two ticks is its longest stall.
  QElapsedTimer since_tick;
  qint64 longest_stall = 0;
  QTimer heartbeat;
  heartbeat.setInterval(5);
  QObject::connect(&heartbeat, &QTimer::timeout,
                   [&] { longest_stall = std::max(longest_stall, since_tick.restart()); });
  QObject::connect(&list, &pictavo::ThumbnailList::loading_finished, &app, &QApplication::quit);

  const long memory_before = resident_kb();
  double placeholders = 0;
  const double ours = best_seconds(1, [&] {
    const auto start = std::chrono::steady_clock::now();
    list.load(slideshow);
    QApplication::processEvents();  // every placeholder drawn
    placeholders = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    since_tick.start();
    heartbeat.start();
    QApplication::exec();
    heartbeat.stop();
  });
  const long memory_after = resident_kb();
  std::printf("placeholders shown in %.1f ms; longest event-loop stall %lld ms\n",
              placeholders * 1e3, static_cast<long long>(longest_stall));
  std::printf("memory grew by %.1f MB (%.1f kB a photo)\n", (memory_after - memory_before) / 1024.0,
              static_cast<double>(memory_after - memory_before) / count);

  const QSize size = pictavo::kThumbnailSizes[pictavo::kDefaultThumbnailSize].thumbnail;
  if (pictavo::bench::have("vipsthumbnail")) {
    std::string vips = "vipsthumbnail -s " + std::to_string(size.width()) + "x" +
                       std::to_string(size.height()) + " -o '" +
                       (folder / "out" / "%s.jpg").string() + "'";
    for (const fs::path& photo : photos)
      vips += " '" + photo.string() + "'";
    const double theirs = best_seconds(1, [&] { pictavo::bench::run(vips); });
    const std::string what = std::to_string(count) + " list thumbnails of 12 Mpx JPEGs";
    report(what.c_str(), ours, "vips", theirs);
  } else {
    std::printf("vipsthumbnail is not installed: no comparison with libvips\n");
  }
  fs::remove_all(folder);
  return 0;
}
